# Warnings and sanitizer flags shared by every target of the project.
function(kolvenar_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(KOLVENAR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(KOLVENAR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
