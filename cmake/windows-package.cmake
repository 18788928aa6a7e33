# The folder a Windows user unzips and runs: the programs, the Qt and MinGW runtime DLLs they
# load, and the Qt plugins for the screen and the native style, zipped by `cpack`.
# Programs join with install(TARGETS ... ${PELMOX_RUNTIME_DEPENDENCIES} ...).

# Cross-built here: the DLLs the programs name are found with the MinGW objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})

# The MinGW runtime (C++ library, unwinder, threads) lives beside the compiler.
set(runtime_directories "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(directory "${path}" DIRECTORY)
    list(APPEND runtime_directories "${directory}")
endforeach()

install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION styles RUNTIME DESTINATION styles)

# Qt's and MinGW's DLLs (Qt6*.dll, lib*.dll) go in; Windows' own (KERNEL32.dll, ...) stay out.
install(RUNTIME_DEPENDENCY_SET pelmox_runtime
        DESTINATION .
        DIRECTORIES ${runtime_directories}
        PRE_INCLUDE_REGEXES "^[Qq]t6" "^lib"
        PRE_EXCLUDE_REGEXES ".*")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "pelmoxconfig-${PROJECT_VERSION}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
