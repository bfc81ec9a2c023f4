# Debian's hardening flags for every optimized build: fortified library functions, the stack
# protector, a read-only relocation table resolved at start (relro, bindnow). They come from
# dpkg-buildflags where it is installed; the optimization and debug levels stay the build
# type's. The paths of the source and build folders are mapped away, so that the program holds
# neither. A debug build (the sanitizer build) gets none of this: fortification needs -O.
set(kolvenar_hardening_compile
    -fstack-protector-strong -Wformat -Werror=format-security -D_FORTIFY_SOURCE=2
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
set(kolvenar_hardening_link -Wl,-z,relro -Wl,-z,now)

find_program(KOLVENAR_DPKG_BUILDFLAGS dpkg-buildflags)
if(KOLVENAR_DPKG_BUILDFLAGS)
    function(kolvenar_buildflags variable out)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${KOLVENAR_DPKG_BUILDFLAGS} --get ${variable}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O).*")
        set(${out} ${flags} PARENT_SCOPE)
    endfunction()
    kolvenar_buildflags(CPPFLAGS cppflags)
    kolvenar_buildflags(CXXFLAGS cxxflags)
    kolvenar_buildflags(LDFLAGS kolvenar_hardening_link)
    set(kolvenar_hardening_compile ${cppflags} ${cxxflags})
endif()
# Mapped last, so that a build folder inside the source folder is named as such.
list(APPEND kolvenar_hardening_compile -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

if(NOT KOLVENAR_SANITIZE)
    foreach(flag IN LISTS kolvenar_hardening_compile)
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    endforeach()
    foreach(flag IN LISTS kolvenar_hardening_link)
        add_link_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    endforeach()
endif()
