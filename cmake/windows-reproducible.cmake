# The same commit gives the same Windows packages, wherever and whenever it is packed. Run by
# CPack for each package, after the signing (cmake/windows-sign.cmake), once before packing
# (CPACK_PRE_BUILD_SCRIPTS) and once after (CPACK_POST_BUILD_SCRIPTS, CPACK_PACKAGE_FILES set).
#
# Before: the staged files carry the commit's time (SOURCE_DATE_EPOCH, from
# cmake/source_date_epoch.cmake), which the setup program stores and sets on the files it
# installs, and the usual modes whatever the builder's umask.
# After: the zip is made again, as CPack's ZIP generator stores the builder's user and group ids
# and the files in the order the file system lists them: with Info-ZIP's zip, the files in
# byte order, without the extra fields of owner and times, its times in UTC.

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()  # cmake/source_date_epoch.cmake has said why
endif()

if(NOT DEFINED CPACK_PACKAGE_FILES)
    execute_process(COMMAND chmod -R u+rw,go-w,a+rX "${CPACK_TEMPORARY_DIRECTORY}"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec
                            touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                    COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

if(NOT CPACK_GENERATOR STREQUAL "ZIP")
    return()
endif()
find_program(PELMOX_ZIP zip REQUIRED)
# The zip's top folder is the staged folder itself.
get_filename_component(parent "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${parent}" "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT files)
list(JOIN files "\n" names)
file(WRITE "${parent}/zip-names" "${names}\n")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(REMOVE "${package}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${PELMOX_ZIP} -X -9 -q "${package}" -@
                    WORKING_DIRECTORY "${parent}" INPUT_FILE "${parent}/zip-names"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
