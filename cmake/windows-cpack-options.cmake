# Read by cpack for each Windows package it makes (CPACK_PROJECT_CONFIG_FILE): the setup
# program is named as the zip, with -setup, and has no top folder of its own; both are dated
# with the commit's time.
include(${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
if(CPACK_GENERATOR STREQUAL "NSIS")
    string(APPEND CPACK_PACKAGE_FILE_NAME "-setup")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
