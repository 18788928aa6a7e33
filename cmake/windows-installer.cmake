# The Windows setup program, made by CPack's NSIS generator with Debian's makensis: a 64-bit
# installer (the programs are 64-bit only, and a 64-bit installer writes the 64-bit registry
# view) that installs for all users into Program Files\PelmoxConfig, puts PelmoxConfig and its
# uninstaller in the Start menu and an entry in Apps and features, and replaces an installed
# version in place. cmake/windows-installer.nsh.in adds what CPack's script leaves out.
# Included by cmake/windows-package.cmake.

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
# One registry key whatever the version, so that a newer version finds and replaces this one.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${PROJECT_NAME})
set(CPACK_NSIS_PACKAGE_NAME "${PROJECT_NAME} ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/pelmox.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/pelmox.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME PelmoxConfig.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# The Start menu: the window only (pelmoxctl is for a terminal), and the uninstaller.
set(CPACK_PACKAGE_EXECUTABLES PelmoxConfig PelmoxConfig)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# No choice of adding pelmoxctl to PATH: CPack's installer edits PATH in NSIS strings of at
# most 1,024 characters, and a longer PATH does not come through intact (docs/pelmoxctl.md).
set(CPACK_NSIS_MODIFY_PATH OFF)

set(pelmox_nsis_version
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-installer.nsh.in windows-installer.nsh @ONLY)
# Single quotes: a double quote would end the string in CPack's generated configuration.
set(CPACK_NSIS_DEFINES "!include '${CMAKE_CURRENT_BINARY_DIR}/windows-installer.nsh'")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "!insertmacro PelmoxReplaceInstalled")
# The setup program keeps the times of the files it installs (the commit's, as they are staged:
# cmake/windows-reproducible.cmake). What the script extracts after them, CPack's own page file
# written as the setup program is made, goes without a time, so that the same commit gives the
# same setup program.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!insertmacro PelmoxRegister\nSetDateSave off")
