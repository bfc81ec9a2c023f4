# Warnings and sanitizer flags shared by every target of the project.
# The program's own libraries also warn about implicit narrowing; tests and benchmarks,
# which compare against Qt's sizes freely, do not.
function(kolvenar_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
    get_target_property(type ${target} TYPE)
    if(NOT target MATCHES "_test|_bench|test_support" AND NOT type STREQUAL "EXECUTABLE"
       OR target STREQUAL "kolvenar")
        target_compile_options(${target} PRIVATE -Wconversion -Wno-sign-conversion)
    endif()
    if(KOLVENAR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(KOLVENAR_SANITIZE)
    # The library's own checks catch what AddressSanitizer cannot see: an index one past the
    # end of an array inside a larger object.
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
