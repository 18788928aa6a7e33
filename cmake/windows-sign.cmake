# Authenticode signatures, made with osslsigncode when PELMOX_SIGN_CERT and PELMOX_SIGN_KEY name
# a code-signing certificate (with its chain) and its private key, as PEM files;
# PELMOX_SIGN_PASSWORD unlocks an encrypted key. Without them nothing is signed.
# Run by CPack twice for each package: before packing (CPACK_PRE_BUILD_SCRIPTS), to sign our
# programs in the staged folder, and after (CPACK_POST_BUILD_SCRIPTS, CPACK_PACKAGE_FILES set),
# to sign the setup program.

set(cert "$ENV{PELMOX_SIGN_CERT}")
set(key "$ENV{PELMOX_SIGN_KEY}")
if(NOT cert AND NOT key)
    return()
endif()
if(NOT EXISTS "${cert}" OR NOT EXISTS "${key}")
    message(FATAL_ERROR "Signing needs both PELMOX_SIGN_CERT and PELMOX_SIGN_KEY as files "
                        "(now '${cert}' and '${key}')")
endif()
find_program(OSSLSIGNCODE osslsigncode REQUIRED)

if(DEFINED CPACK_PACKAGE_FILES)
    list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "\\.exe$")
    set(files ${CPACK_PACKAGE_FILES})
else()
    file(GLOB_RECURSE files "${CPACK_TEMPORARY_DIRECTORY}/*.exe")
endif()

# The password goes to osslsigncode in a file only we may read, not on its command line.
set(options)
set(private)
if(DEFINED ENV{PELMOX_SIGN_PASSWORD})
    set(private "${CPACK_TOPLEVEL_DIRECTORY}/signing")
    file(REMOVE_RECURSE "${private}")
    file(MAKE_DIRECTORY "${private}")
    file(CHMOD "${private}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    file(WRITE "${private}/password" "$ENV{PELMOX_SIGN_PASSWORD}")
    set(options -readpass "${private}/password")
endif()

foreach(file IN LISTS files)
    execute_process(
        COMMAND ${OSSLSIGNCODE} sign -certs "${cert}" -key "${key}" ${options} -h sha256
                -n "${CPACK_PACKAGE_NAME}" -in "${file}" -out "${file}.signed"
        OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        if(private)
            file(REMOVE_RECURSE "${private}")
        endif()
        message(FATAL_ERROR "osslsigncode could not sign ${file}:\n${output}")
    endif()
    file(RENAME "${file}.signed" "${file}")
    get_filename_component(name "${file}" NAME)
    message(STATUS "Signed ${name}")
endforeach()
if(private)
    file(REMOVE_RECURSE "${private}")
endif()
