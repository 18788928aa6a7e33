# THIRD-PARTY-NOTICES.txt and the licenses folder of the Windows packages: every third-party
# component they ship, its version, licence and copyright, with the licence texts beside it.
#
# - Qt: its DLLs and plugins (pelmox_qt_binaries, from cmake/windows-package.cmake), the note
#   of how scripts/windows-build made them, and the third-party code Qt's build compiled into
#   them (PELMOX_QT_NOTICES, kept with the Qt by cmake/windows-qt-notices.cmake).
# - The MinGW-w64 runtime DLLs, and NSIS in the setup program, from Debian's packages and
#   their copyright files.
# scripts/windows-test checks that every DLL in the packages is named here.

set(PELMOX_QT_NOTICES "" CACHE PATH "The notices kept with the Windows Qt (scripts/windows-build)")
if(NOT EXISTS "${PELMOX_QT_NOTICES}/attributions.json" OR NOT PELMOX_QT_LICENSE)
    message(FATAL_ERROR "The Windows packages need PELMOX_QT_NOTICES and PELMOX_QT_LICENSE, "
                        "as scripts/windows-build sets them")
endif()

set(notices ${CMAKE_CURRENT_BINARY_DIR}/notices)
file(REMOVE_RECURSE ${notices})
file(MAKE_DIRECTORY ${notices}/licenses)
set(text ${notices}/THIRD-PARTY-NOTICES.txt)

# notice(<line>...): lines of the notices file (each argument whole, semicolons and all).
function(notice)
    math(EXPR last "${ARGC} - 1")
    foreach(index RANGE ${last})
        file(APPEND ${text} "${ARGV${index}}\n")
    endforeach()
endfunction()
# license_text(<source> <name>): a licence text into the licenses folder.
function(license_text source name)
    if(NOT EXISTS "${source}")
        message(FATAL_ERROR "No licence text at ${source}")
    endif()
    file(COPY_FILE "${source}" ${notices}/licenses/${name})
endfunction()

file(WRITE ${text} "")
notice("Third-party software in ${PROJECT_NAME} ${PROJECT_VERSION} for Windows"
       ""
       "${PROJECT_NAME} itself is free software under the GNU General Public License, version 3"
       "or (at your option) any later version: LICENSE.txt. Beside its programs it ships the"
       "following third-party software, each under its own licence; the texts named here are in"
       "the licenses folder."
       "")

# Qt.
set(qt_files)
foreach(binary IN LISTS pelmox_qt_binaries)
    get_target_property(location ${binary} IMPORTED_LOCATION_RELEASE)
    get_filename_component(name "${location}" NAME)
    list(APPEND qt_files ${name})
endforeach()
list(JOIN qt_files ", " qt_file_list)
file(READ "${PELMOX_QT_NOTICES}/qt-build.txt" qt_build)
license_text("${PELMOX_QT_LICENSE}" Qt-LGPL-3.0.txt)
license_text("${PELMOX_QT_NOTICES}/configure-summary.txt" Qt-configure-summary.txt)
notice("== Qt ${Qt6_VERSION}"
       "Files: ${qt_file_list}"
       "Licence: GNU Lesser General Public License version 3 (LGPL-3.0-only):"
       "    licenses/Qt-LGPL-3.0.txt, which adds to the GNU GPL version 3 in LICENSE.txt"
       "Copyright (C) The Qt Company Ltd. and other contributors"
       ""
       "${qt_build}"
       "Qt's configure summary is in licenses/Qt-configure-summary.txt. Qt's build compiled"
       "the following third-party code into the Qt files above (found from Qt's own"
       "attribution files and the files each Qt DLL was built from):"
       "")

file(READ "${PELMOX_QT_NOTICES}/attributions.json" attributions)
string(JSON count LENGTH "${attributions}")
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON entry GET "${attributions}" ${index})
    string(JSON in GET "${entry}" Binaries)
    string(JSON in_count LENGTH "${in}")
    math(EXPR in_last "${in_count} - 1")
    set(shipped_in)
    foreach(i RANGE ${in_last})
        string(JSON binary GET "${in}" ${i})
        if(binary IN_LIST qt_files)
            list(APPEND shipped_in ${binary})
        endif()
    endforeach()
    if(NOT shipped_in)
        continue()  # only in a part of Qt that is not shipped (the JPEG plugin, Qt Test)
    endif()
    foreach(field Name Version License LicenseId Copyright LicenseFile ExtraLicenseFile)
        string(JSON value ERROR_VARIABLE missing GET "${entry}" ${field})
        if(missing)
            set(value "")
        endif()
        set(${field} "${value}")
    endforeach()
    list(JOIN shipped_in ", " shipped_in)
    string(STRIP "${Copyright}" Copyright)
    string(REPLACE "\n" "\n   " Copyright "${Copyright}")
    set(texts)
    foreach(file IN ITEMS ${LicenseFile} ${ExtraLicenseFile})
        get_filename_component(name "${file}" NAME)
        license_text("${PELMOX_QT_NOTICES}/${file}" ${name})
        list(APPEND texts licenses/${name})
    endforeach()
    list(JOIN texts ", " texts)
    if(Version)
        set(Version ", version ${Version}")
    endif()
    if(LicenseId)
        set(LicenseId " (${LicenseId})")
    endif()
    notice("-- ${Name}${Version}" "   In: ${shipped_in}" "   Licence: ${License}${LicenseId}")
    if(texts)
        notice("   Text: ${texts}")
    endif()
    notice("   ${Copyright}")
    if(ExtraLicenseFile MATCHES "FTL")
        # The credit the FreeType License asks of the documentation.
        string(REGEX MATCHALL "(19|20)[0-9][0-9]" years "${Copyright}")
        list(SORT years)
        list(POP_BACK years year)
        notice("   Portions of this software are copyright (C) ${year} The FreeType Project"
               "   (www.freetype.org). All rights reserved.")
    endif()
    notice("")
endforeach()

# Parts from Debian's packages: component | what of it is shipped | a file of its package (a
# DLL is found beside the compiler, as the install rules find it) | licence | what to read in
# the package's copyright file, which travels as licenses/<package>-copyright.txt. (No
# semicolons: they would split a row.)
set(debian_parts
    "GCC runtime libraries (libstdc++ and libgcc)|libstdc++-6.dll, libgcc_s_seh-1.dll|libstdc++-6.dll|GNU General Public License version 3 with the GCC Runtime Library Exception 3.1 (GPL-3.0-or-later WITH GCC-exception-3.1): LICENSE.txt and licenses/GCC-exception-3.1.txt|the GCC Runtime Library Exception is there too"
    "winpthreads (MinGW-w64's POSIX threads)|libwinpthread-1.dll|libwinpthread-1.dll|MIT (expat), with parts under BSD-3-Clause and in the public domain|paragraphs \"mingw-w64-libraries/winpthreads\", and the MinGW-w64 start-up code linked into every program is under \"Files: *\" and \"mingw-w64-crt\""
    "NSIS (Nullsoft Scriptable Install System)|the setup program and the Uninstall.exe it installs, made from NSIS's installer stub and plug-ins|/usr/share/nsis/Stubs/lzma_solid-amd64-unicode|zlib License (Zlib), and its LZMA decompressor under the Common Public License 1.0 with the special exception for the LZMA module|\"Files: *\" and \"Source/7zip\"")
notice("== From Debian's packages: the MinGW-w64 runtime, and NSIS in the setup program" "")
foreach(row IN LISTS debian_parts)
    string(REPLACE "|" ";" row "${row}")
    list(GET row 0 component)
    list(GET row 1 shipped)
    list(GET row 2 path)
    list(GET row 3 license)
    list(GET row 4 where)
    if(path MATCHES "\\.dll$")
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${path}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    file(REAL_PATH "${path}" path)
    execute_process(COMMAND dpkg-query --search "${path}" OUTPUT_VARIABLE owner
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "[:,].*" "" package "${owner}")
    # One line for each architecture it is installed for; the same version in each.
    execute_process(COMMAND dpkg-query --show "--showformat=\${Version}\n" ${package}
                    OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "^[^\n]+" version "${version}")
    string(REGEX REPLACE "-[^-]*$" "" upstream "${version}")
    set(copyright ${package}-copyright.txt)
    license_text(/usr/share/doc/${package}/copyright ${copyright})
    notice("-- ${component}, version ${upstream} (Debian package ${package} ${version})"
           "   Shipped: ${shipped}"
           "   Licence: ${license}"
           "   Copyright and licences: licenses/${copyright} (${where})"
           "")
    if(shipped MATCHES "libstdc")
        # The exception's own text, as Debian's copyright file of GCC gives it.
        file(READ /usr/share/doc/${package}/copyright gcc_copyright)
        string(REGEX MATCH "GCC RUNTIME LIBRARY EXCEPTION.*requirements of the license of GCC\\."
               exception "${gcc_copyright}")
        if(NOT exception)
            message(FATAL_ERROR "No GCC Runtime Library Exception in Debian's GCC copyright file")
        endif()
        file(WRITE ${notices}/licenses/GCC-exception-3.1.txt "${exception}\n")
    endif()
endforeach()

install(FILES ${text} DESTINATION .)
install(DIRECTORY ${notices}/licenses DESTINATION .)
