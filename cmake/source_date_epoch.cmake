# Read by cpack before it packs (through CPACK_PROJECT_CONFIG_FILE): every time stamp in the
# packages becomes the time of the commit they are built from, so that the same commit gives the
# same bytes whenever and wherever it is packed. CPack's DEB and ZIP generators take it from
# SOURCE_DATE_EPOCH; the Windows packages' other times follow it (cmake/windows-reproducible.cmake).
#
# A SOURCE_DATE_EPOCH the builder sets (a distribution's from its changelog) wins. Else it is the
# commit's time: from git in a checkout, or in a release tarball, which has no .git, from
# .source-date-epoch, which git archive fills in with the same time.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()

set(epoch "")
file(STRINGS "${CPACK_PELMOX_SOURCE_DIR}/.source-date-epoch" epoch LIMIT_COUNT 1)
if(NOT epoch MATCHES "^[0-9]+$")
    # The placeholder is still there: a checkout. Only its own repository counts, not one that
    # an unpacked copy happens to sit in.
    set(epoch "")
    find_program(PELMOX_GIT git)
    if(PELMOX_GIT)
        execute_process(COMMAND ${PELMOX_GIT} rev-parse --show-toplevel
                        WORKING_DIRECTORY "${CPACK_PELMOX_SOURCE_DIR}"
                        OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        file(REAL_PATH "${CPACK_PELMOX_SOURCE_DIR}" source)
        if(top)
            file(REAL_PATH "${top}" top)
        endif()
        if(top STREQUAL source)
            execute_process(COMMAND ${PELMOX_GIT} log -1 --format=%ct
                            WORKING_DIRECTORY "${CPACK_PELMOX_SOURCE_DIR}"
                            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
    endif()
endif()

if(epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
else()
    message(WARNING "Neither git nor .source-date-epoch tells the commit's time: the package "
                    "carries the time it was made, and is not reproducible. Set "
                    "SOURCE_DATE_EPOCH to fix its times.")
endif()
