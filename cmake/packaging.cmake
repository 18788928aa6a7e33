# The Debian package (scripts/package): PelmoxConfig and pelmoxctl with everything the install
# rules put beside them under /usr, the licence and the release history, built by CPack's DEB
# generator. The package's Depends are worked out by dpkg-shlibdeps from the libraries the
# programs link to.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/compressed_install.cmake)

set(PELMOX_PACKAGE_MAINTAINER "PelmoxConfig developers <pelmoxconfig@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

# Debian keeps these under the package's name, not the project's. The README is the one the
# About box points to, with the user's pages it links to; NEWS.md says what each release holds.
# They are install rules, not the package's own, so that a distribution's `cmake --install`
# gives them too.
install(FILES ${PROJECT_SOURCE_DIR}/res/copyright ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/NEWS.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmoxconfig)
install(FILES ${PELMOX_USER_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmoxconfig/docs)
pelmox_install_compressed(${PROJECT_SOURCE_DIR}/res/changelog
                          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmoxconfig)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmoxconfig)
set(CPACK_PACKAGE_VENDOR "${PELMOX_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
PelmoxConfig sets up a Pelmox APRS weather tracker, the box that sits
between a weather station (WX200/WM918 or Peet) and a radio and beacons
the weather as AX.25 packets under your callsign.

Connect the tracker to a serial port (a built-in port or a USB adapter):
the program reads its version and settings into one window, lets you
change the callsign, digipeater path, status beacon text and rate, keyup
delay (TXD), transmit interval, quiet time, tone calibration and the kind
of weather station, and writes them back, verified by reading them again.
It can also make the tracker send 1200 Hz and 2200 Hz test tones so you
can set your deviation.

pelmoxctl does the same from a terminal or a script: it saves the settings
in a text file for backup, restores them, copies them from one tracker to
another, and checks from cron that the tracker still answers.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELMOX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (OK, Cancel) in the user's language, beside the programs' translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# A cross build (cmake/linux-<arch>.cmake) is packaged for its target, the Debian architecture
# of its multiarch triplet.
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND dpkg-architecture -T ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_TARGET_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_STRIP_FILES ON)
# Directories the install rules create get the usual modes whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The package's time stamps are the commit's.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)

include(CPack)
