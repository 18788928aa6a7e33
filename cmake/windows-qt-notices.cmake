# Run by scripts/windows-build once a Qt for Windows is built (cmake -P): keeps, beside that
# Qt, the notices of the third-party code Qt's build compiled into each of its DLLs, so that
# packaging never reads Qt's source tree.
#
#   -DQT_SOURCE=<qtbase source> -DQT_BUILD=<its Ninja build folder> -DOUTPUT=<folder>
#
# Qt's own attribution files (qt_attribution.json, read by Qt's qtattributionsscanner) say
# which source files are third-party; Ninja's record of every file each DLL was built from
# (its dependency log included) says which of them went into which DLL. OUTPUT gets
# attributions.json (the entries found in some DLL, each with "Binaries": the DLLs' names and
# "LicenseFile" relative to OUTPUT), the licence texts under licenses/, and Qt's configure
# summary, which reports the libraries Qt bundles.
cmake_minimum_required(VERSION 3.25)

foreach(variable QT_SOURCE QT_BUILD OUTPUT)
    if(NOT IS_DIRECTORY "${${variable}}")
        message(FATAL_ERROR "windows-qt-notices: ${variable} is not a folder: '${${variable}}'")
    endif()
endforeach()
find_program(SCANNER qtattributionsscanner PATHS /usr/lib/qt6/libexec REQUIRED)
find_program(NINJA ninja REQUIRED)

file(REMOVE_RECURSE "${OUTPUT}/licenses")
file(MAKE_DIRECTORY "${OUTPUT}/licenses")
file(COPY_FILE "${QT_BUILD}/config.summary" "${OUTPUT}/configure-summary.txt")

execute_process(COMMAND ${SCANNER} --silent --output-format json
                        --output "${OUTPUT}/scanned.json" "${QT_SOURCE}/src"
                COMMAND_ERROR_IS_FATAL ANY)
file(READ "${OUTPUT}/scanned.json" scanned)
file(REMOVE "${OUTPUT}/scanned.json")
# Qt 6.4 has no attribution file for its built-in copy of freedesktop.org's MIME database
# (reported in the configure summary; later Qt releases name it). Its configure step packs
# mime/packages/freedesktop.org.xml into the generated source that goes into Qt Core.
string(JSON count LENGTH "${scanned}")
string(JSON scanned SET "${scanned}" ${count} "{
    \"Id\": \"shared-mime-info\",
    \"Name\": \"Shared MIME-info Database (freedesktop.org), as built into Qt Core\",
    \"License\": \"GNU General Public License v2.0 or later\",
    \"LicenseId\": \"GPL-2.0-or-later\",
    \"LicenseFile\": \"${QT_SOURCE}/LICENSES/GPL-2.0-or-later.txt\",
    \"Copyright\": \"Copyright (C) the freedesktop.org shared-mime-info contributors\",
    \"Path\": \"${QT_BUILD}/src/corelib/.rcc\",
    \"Files\": \"qmimeprovider_database.cpp\"}")

# Every file each DLL (or plugin) was built from, one per line. Ninja lists inputs through the
# libraries a DLL links to (import libraries too), so a DLL also claims the entries of the Qt DLLs it needs; those ship
# with it all the same.
execute_process(COMMAND ${NINJA} -C "${QT_BUILD}" -t targets all
                OUTPUT_VARIABLE targets COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]+\\.dll:" dlls "${targets}")
list(TRANSFORM dlls REPLACE ":$" "")
set(binaries)
foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    if(name IN_LIST binaries)
        continue()  # the same DLL under its full path
    endif()
    execute_process(COMMAND ${NINJA} -C "${QT_BUILD}" -t inputs "${dll}"
                    OUTPUT_VARIABLE inputs COMMAND_ERROR_IS_FATAL ANY)
    # The files the compiler read besides (headers, and sources that include other sources),
    # from the dependency log of the DLL's objects.
    string(REGEX MATCHALL "[^\n]+\\.obj" objects "${inputs}")
    execute_process(COMMAND ${NINJA} -C "${QT_BUILD}" -t deps ${objects}
                    COMMAND awk "/^    /{ print $1 }"
                    COMMAND sort -u
                    OUTPUT_VARIABLE read COMMAND_ERROR_IS_FATAL ANY)
    set("inputs_${name}" "\n${inputs}\n${read}\n")
    list(APPEND binaries "${name}")
endforeach()

set(kept "[]")
set(count 0)
string(JSON entries LENGTH "${scanned}")
math(EXPR last "${entries} - 1")
foreach(index RANGE ${last})
    string(JSON entry GET "${scanned}" ${index})
    string(JSON id GET "${entry}" Id)
    string(JSON path GET "${entry}" Path)
    string(JSON files ERROR_VARIABLE missing GET "${entry}" Files)
    if(missing)
        set(files "")
    endif()
    # Path is a file or a folder; Files, when given, name the third-party files in it.
    string(REGEX MATCHALL "[^ ,]+" files "${files}")
    if(files)
        list(TRANSFORM files PREPEND "\n${path}/")
        list(TRANSFORM files APPEND "\n")
    else()
        set(files "\n${path}\n" "\n${path}/")
    endif()
    set(in "[]")
    foreach(binary IN LISTS binaries)
        foreach(pattern IN LISTS files)
            string(FIND "${inputs_${binary}}" "${pattern}" at)
            if(at GREATER -1)
                string(JSON in SET "${in}" 999999 "\"${binary}\"")
                break()
            endif()
        endforeach()
    endforeach()
    if(in STREQUAL "[]")
        continue()
    endif()
    string(JSON entry SET "${entry}" Binaries "${in}")

    # The licence text travels under licenses/, named after the entry.
    string(JSON license ERROR_VARIABLE missing GET "${entry}" LicenseFile)
    if(NOT missing AND license)
        get_filename_component(license_name "${license}" NAME)
        set(copy "licenses/${id}-${license_name}")
        file(COPY_FILE "${license}" "${OUTPUT}/${copy}")
        string(JSON entry SET "${entry}" LicenseFile "\"${copy}\"")
    endif()
    # FreeType's licence file only points to the licence chosen here, the FreeType License
    # (GPL-3.0 compatible), whose own text and credit line must travel too.
    if(id STREQUAL "freetype")
        file(COPY_FILE "${path}/docs/FTL.TXT" "${OUTPUT}/licenses/freetype-FTL.TXT")
        string(JSON entry SET "${entry}" ExtraLicenseFile "\"licenses/freetype-FTL.TXT\"")
    endif()
    foreach(field Path Files)
        string(JSON entry REMOVE "${entry}" ${field})
    endforeach()
    string(JSON kept SET "${kept}" ${count} "${entry}")
    math(EXPR count "${count} + 1")
endforeach()

file(WRITE "${OUTPUT}/attributions.json" "${kept}\n")
message(STATUS "windows-qt-notices: ${count} third-party parts in ${OUTPUT}/attributions.json")
