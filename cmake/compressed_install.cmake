# pelmox_install_compressed(<file> DESTINATION <dir> [RENAME <name>]): installs the file as
# <name>.gz, compressed at build time, as Debian ships manual pages and changelogs. So the
# packager's own `cmake --install` gives the very files of the project's package. gzip -9n:
# smallest, and no time stamp or file name inside, so the same sources give the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(pelmox_install_compressed file)
    cmake_parse_arguments(ARG "" "DESTINATION;RENAME" "" ${ARGN})
    get_filename_component(source "${file}" ABSOLUTE)
    if(ARG_RENAME)
        set(name ${ARG_RENAME})
    else()
        get_filename_component(name "${file}" NAME)
    endif()
    set(compressed "${CMAKE_CURRENT_BINARY_DIR}/compressed/${name}.gz")
    add_custom_command(OUTPUT "${compressed}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/compressed"
        COMMAND ${GZIP_EXECUTABLE} -9n -c "${source}" > "${compressed}"
        DEPENDS "${source}" VERBATIM)
    string(MAKE_C_IDENTIFIER "compressed_${name}" target)
    add_custom_target(${target} ALL DEPENDS "${compressed}")
    install(FILES "${compressed}" DESTINATION ${ARG_DESTINATION})
endfunction()
