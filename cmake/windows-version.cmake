# The Windows version resource of our programs (res/version.rc.in): what Explorer's Properties
# and Task Manager say they are, with the version from project().

# pelmox_version_resource(<target> <description>)
function(pelmox_version_resource target description)
    set(pelmox_rc_name ${target})
    set(pelmox_rc_description "${description}")
    set(pelmox_rc_version
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
    configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in ${target}-version.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
endfunction()

pelmox_version_resource(PelmoxConfig "PelmoxConfig, settings for the Pelmox APRS weather tracker")
pelmox_version_resource(pelmoxctl "pelmoxctl, Pelmox weather tracker settings from the command line")
