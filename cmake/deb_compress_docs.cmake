# Run by CPack on the staged files before it builds the Debian package: compresses the manual
# pages and the changelog, as Debian installs them (gzip -9n: smallest, and no time stamp or
# file name inside, so the same sources give the same package).
find_program(GZIP_EXECUTABLE gzip REQUIRED)

set(share "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share")
file(GLOB pages LIST_DIRECTORIES false "${share}/man/man*/*")
file(GLOB changelogs LIST_DIRECTORIES false "${share}/doc/*/changelog")
foreach(file IN LISTS pages changelogs)
    if(file MATCHES "\\.gz$")
        continue()
    endif()
    execute_process(COMMAND ${GZIP_EXECUTABLE} -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
