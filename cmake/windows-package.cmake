# The Windows packages, made by `cpack`: a zip to unpack and run anywhere, and a setup program
# (cmake/windows-installer.cmake). Both hold the programs, the Qt and MinGW runtime DLLs they
# load, the Qt plugins for the screen and the native style, our licence, the README with the
# user's pages, and the third-party notices with their licence texts
# (cmake/windows-notices.cmake). Both programs, and the setup program, are signed when a
# certificate is given (cmake/windows-sign.cmake).
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
set(pelmox_qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets Qt6::SerialPort)
install(IMPORTED_RUNTIME_ARTIFACTS ${pelmox_qt_libraries}
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        RUNTIME_DEPENDENCY_SET pelmox_runtime
        LIBRARY DESTINATION styles RUNTIME DESTINATION styles)
set(pelmox_qt_binaries ${pelmox_qt_libraries} Qt6::QWindowsIntegrationPlugin
    Qt6::QWindowsVistaStylePlugin)

# What all of these load besides Qt and Windows' own DLLs (KERNEL32.dll, ...): the MinGW
# runtime, lib*.dll.
install(RUNTIME_DEPENDENCY_SET pelmox_runtime
        DESTINATION .
        DIRECTORIES ${runtime_directories}
        PRE_INCLUDE_REGEXES "^lib"
        PRE_EXCLUDE_REGEXES ".*")

# Our licence, the README (the About box points to it) with the user's pages it links to, and
# what each release holds; the third-party notices.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NEWS.md DESTINATION .)
install(FILES ${PELMOX_USER_PAGES} DESTINATION docs)
set(PELMOX_QT_LICENSE "" CACHE FILEPATH "Qt's LGPL 3 text, for the Windows packages")
include(${CMAKE_CURRENT_LIST_DIR}/windows-notices.cmake)

# Debian's MinGW runtime and our Qt carry their symbols; a user needs none of them. Under cpack,
# where SOURCE_DATE_EPOCH is the commit's time (cmake/source_date_epoch.cmake), strip writes that
# time into the header of every program and DLL, in place of the time it was linked at.
install(CODE "set(pelmox_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    file(GLOB_RECURSE binaries "${CMAKE_INSTALL_PREFIX}/*.dll" "${CMAKE_INSTALL_PREFIX}/*.exe")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND "${pelmox_strip}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
]])

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_VENDOR "${PELMOX_VENDOR}")
set(CPACK_PACKAGE_FILE_NAME "pelmoxconfig-${PROJECT_VERSION}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The setup program's name: the zip's with -setup (set by generator, at cpack time).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows-cpack-options.cmake)
# Signed after stripping, which the install rules above do; then dated and packed alike however
# often they are made.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows-sign.cmake
                            ${CMAKE_CURRENT_LIST_DIR}/windows-reproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows-sign.cmake
                             ${CMAKE_CURRENT_LIST_DIR}/windows-reproducible.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/windows-installer.cmake)
include(CPack)
