# Installs the build into a scratch prefix and checks the tree a desktop sees: exactly the
# expected files, a menu entry and software-centre metadata that the freedesktop validators
# accept without errors or warnings, entries that point at each other and at the program's own
# desktop file name, and PNG icons of the size their theme folder promises.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DVERSION=... -P InstallPrefix.cmake
# WORK_DIR is emptied first, and removed again when every check passed.
cmake_minimum_required(VERSION 3.25)

foreach(parametr BUILD_DIR SOURCE_DIR WORK_DIR VERSION)
    if(NOT DEFINED ${parametr})
        message(FATAL_ERROR "${parametr} not given")
    endif()
endforeach()

# The validators translate their messages; their severity words are read below, in English.
set(ENV{LC_ALL} C.UTF-8)

function(wymagaj_programu zmienna nazwa pakiet)
    find_program(${zmienna} ${nazwa})
    if(NOT ${zmienna})
        message(FATAL_ERROR "${nazwa} not found: install the Debian package ${pakiet}")
    endif()
endfunction()
wymagaj_programu(DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils)
wymagaj_programu(APPSTREAMCLI appstreamcli appstream)

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${wyjscie}")
endif()

# --- exactly these files, nothing missing and nothing extra (no build helper, no test) -------
set(oczekiwane
    bin/ampelor
    bin/ampelor-batch
    share/applications/ampelor.desktop
    share/doc/ampelor/changelog.gz
    share/doc/ampelor/copyright
    share/icons/hicolor/16x16/apps/ampelor.png
    share/icons/hicolor/32x32/apps/ampelor.png
    share/icons/hicolor/scalable/apps/ampelor.svg
    share/man/man1/ampelor-batch.1.gz
    share/man/man1/ampelor.1.gz
    share/man/pl/man1/ampelor-batch.1.gz
    share/man/pl/man1/ampelor.1.gz
    share/metainfo/ampelor.metainfo.xml)
file(GLOB_RECURSE zainstalowane LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
list(SORT zainstalowane)
if(NOT zainstalowane STREQUAL oczekiwane)
    set(brakujace ${oczekiwane})
    list(REMOVE_ITEM brakujace ${zainstalowane})
    set(nadmiarowe ${zainstalowane})
    list(REMOVE_ITEM nadmiarowe ${oczekiwane})
    message(FATAL_ERROR "installed tree differs\n  missing: ${brakujace}\n  unexpected: ${nadmiarowe}")
endif()
foreach(program ampelor ampelor-batch)
    execute_process(COMMAND test -x "${prefix}/bin/${program}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "bin/${program} is not executable")
    endif()
endforeach()

# --- the validators -----------------------------------------------------------------------
set(desktop "${prefix}/share/applications/ampelor.desktop")
set(metainfo "${prefix}/share/metainfo/ampelor.metainfo.xml")

# desktop-file-validate exits non-zero only on errors; warnings and hints come with status 0.
# Any message fails: even a hint, such as a missing main category, files the program under a
# catch-all section of the menu.
execute_process(
    COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
if(NOT status EQUAL 0 OR NOT wyjscie STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate rejects ampelor.desktop (${status}):\n${wyjscie}")
endif()
message(STATUS "desktop-file-validate: accepted, no messages")

# appstreamcli fails on errors and warnings by itself; the tags are checked too, so that a
# change of its exit status policy cannot let a warning through. Infos are allowed: the
# component id's top-level domain, .example, is reserved and so unknown to the validator.
execute_process(
    COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
if(NOT status EQUAL 0 OR wyjscie MATCHES "(^|\n) *[EW]: "
   OR NOT wyjscie MATCHES "Validation was successful")
    message(FATAL_ERROR "appstreamcli rejects ampelor.metainfo.xml (${status}):\n${wyjscie}")
endif()
message(STATUS "appstreamcli validate:\n${wyjscie}")

# --- the entries point at each other and at what is installed ------------------------------
# A value of the main group of the desktop entry (the file has only that group).
function(wartosc_desktop plik klucz wynik)
    file(STRINGS "${plik}" wiersze REGEX "^${klucz}=")
    list(LENGTH wiersze ile)
    if(NOT ile EQUAL 1)
        message(FATAL_ERROR "ampelor.desktop has ${ile} '${klucz}=' lines")
    endif()
    string(REGEX REPLACE "^${klucz}=" "" wiersze "${wiersze}")
    set(${wynik} "${wiersze}" PARENT_SCOPE)
endfunction()

# The program names its desktop file itself (QGuiApplication::setDesktopFileName); a window
# whose name matches no installed entry gets no icon and no name in the task bar.
file(GLOB_RECURSE zrodla_ui "${SOURCE_DIR}/ui/*.cpp")
set(nazwy_programu)
foreach(zrodlo IN LISTS zrodla_ui)
    file(STRINGS "${zrodlo}" wiersze REGEX "setDesktopFileName\\(")
    foreach(wiersz IN LISTS wiersze)
        if(wiersz MATCHES "setDesktopFileName\\((QStringLiteral\\()?\"([^\"]+)\"")
            list(APPEND nazwy_programu "${CMAKE_MATCH_2}")
        endif()
    endforeach()
endforeach()
if(NOT nazwy_programu STREQUAL "ampelor")
    message(FATAL_ERROR "the program sets its desktop file name to '${nazwy_programu}', "
                        "the installed entry is ampelor.desktop")
endif()

wartosc_desktop("${desktop}" Exec exec)
if(NOT exec STREQUAL "ampelor")
    message(FATAL_ERROR "Exec=${exec}, expected the installed bin/ampelor")
endif()
wartosc_desktop("${desktop}" Icon ikona)
foreach(plik 16x16/apps/${ikona}.png 32x32/apps/${ikona}.png scalable/apps/${ikona}.svg)
    if(NOT EXISTS "${prefix}/share/icons/hicolor/${plik}")
        message(FATAL_ERROR "Icon=${ikona}, but hicolor/${plik} is not installed")
    endif()
endforeach()

file(READ "${metainfo}" xml)
if(NOT xml MATCHES "<launchable type=\"desktop-id\">ampelor\\.desktop</launchable>")
    message(FATAL_ERROR "the metainfo does not launch ampelor.desktop")
endif()
# The newest release, listed first, is the version being built.
if(NOT xml MATCHES "<release version=\"([^\"]+)\"")
    message(FATAL_ERROR "the metainfo lists no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the metainfo's newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()

# --- PNG icons: the picture's size is the one of the theme folder it sits in ---------------
foreach(rozmiar 16 32)
    set(png "${prefix}/share/icons/hicolor/${rozmiar}x${rozmiar}/apps/ampelor.png")
    # The 8-byte signature, then the IHDR chunk: length, type, width, height (big-endian),
    # bit depth, colour type.
    file(READ "${png}" naglowek LIMIT 26 HEX)
    if(NOT naglowek MATCHES "^89504e470d0a1a0a0000000d49484452")
        message(FATAL_ERROR "${png} is not a PNG file: ${naglowek}")
    endif()
    string(SUBSTRING "${naglowek}" 32 8 szerokosc)
    string(SUBSTRING "${naglowek}" 40 8 wysokosc)
    string(SUBSTRING "${naglowek}" 48 4 glebia_i_typ)
    math(EXPR szerokosc "0x${szerokosc}")
    math(EXPR wysokosc "0x${wysokosc}")
    if(NOT szerokosc EQUAL rozmiar OR NOT wysokosc EQUAL rozmiar)
        message(FATAL_ERROR "${png} is ${szerokosc} x ${wysokosc}, expected ${rozmiar} x ${rozmiar}")
    endif()
    # 8 bits, colour type 6: RGBA. Anything without alpha would paint the XPM's
    # transparent background as a solid square.
    if(NOT glebia_i_typ STREQUAL "0806")
        message(FATAL_ERROR "${png}: bit depth and colour type ${glebia_i_typ}, expected 8-bit RGBA")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
