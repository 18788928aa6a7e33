# The folder a Windows user unzips and runs: the programs, the Qt and MinGW runtime DLLs they
# load, and the Qt plugins for the screen and the native style, zipped by `cpack`.
# Programs join with install(TARGETS ... ${PELMOX_RUNTIME_DEPENDENCIES} ...).

# Cross-built here: the DLLs the programs name are found with the MinGW objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})

# The MinGW runtime (C++ library, unwinder, threads) lives beside the compiler.
set(runtime_directories)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(directory "${path}" DIRECTORY)
    list(APPEND runtime_directories "${directory}")
endforeach()

# Qt's DLLs by their targets: the dependency search below lower-cases DLL names, which finds
# no Qt6Core.dll on a case-sensitive file system.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::SerialPort
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION styles RUNTIME DESTINATION styles)

# What all of these load besides Qt and Windows' own DLLs (KERNEL32.dll, ...): the MinGW
# runtime, lib*.dll.
install(RUNTIME_DEPENDENCY_SET pelmox_runtime
        DESTINATION .
        DIRECTORIES ${runtime_directories}
        PRE_INCLUDE_REGEXES "^lib"
        PRE_EXCLUDE_REGEXES ".*")

# The licences: ours, and that of the Qt libraries beside the programs (scripts/windows-build
# names the file from Qt's source).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
set(PELMOX_QT_LICENSE "" CACHE FILEPATH "Qt's LGPL 3 text, for the Windows zip")
if(PELMOX_QT_LICENSE)
    install(FILES ${PELMOX_QT_LICENSE} DESTINATION . RENAME Qt-LGPL-3.0.txt)
endif()

# Debian's MinGW runtime and our Qt carry their symbols; a user needs none of them.
install(CODE "set(pelmox_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    file(GLOB_RECURSE binaries "${CMAKE_INSTALL_PREFIX}/*.dll" "${CMAKE_INSTALL_PREFIX}/*.exe")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND "${pelmox_strip}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
]])

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "pelmoxconfig-${PROJECT_VERSION}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
