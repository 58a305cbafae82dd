# Builds the Debian package with CPack and checks it as dpkg would take it: name and version,
# a Depends line that dpkg-shlibdeps worked out from the binaries (the Qt 6 libraries among
# it), every file under /usr; then unpacks it and runs the packaged programs from there.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -DLOCALE=... -P DebPackage.cmake
# WORK_DIR is emptied first, and removed again when every check passed.
cmake_minimum_required(VERSION 3.25)

foreach(parametr BUILD_DIR WORK_DIR VERSION LOCALE)
    if(NOT DEFINED ${parametr})
        message(FATAL_ERROR "${parametr} not given")
    endif()
endforeach()

# dpkg and cpack translate their messages; those quoted in a failure are easier read alike.
set(ENV{LC_ALL} C.UTF-8)

foreach(program dpkg-deb dpkg-shlibdeps file)
    find_program(sciezka_${program} ${program})
    if(NOT sciezka_${program})
        message(FATAL_ERROR "${program} not found: install the Debian packages dpkg-dev and file")
    endif()
endforeach()

function(uruchom opis)
    execute_process(
        COMMAND ${ARGN}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE wyjscie
        ERROR_VARIABLE bledy
        WORKING_DIRECTORY "${WORK_DIR}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${opis} failed (${status}):\n${wyjscie}\n${bledy}")
    endif()
    set(wyjscie "${wyjscie}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

uruchom("cpack -G DEB" "${CMAKE_CPACK_COMMAND}" -G DEB
        --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/out")

file(GLOB paczki "${WORK_DIR}/out/*.deb")
list(LENGTH paczki ile)
if(NOT ile EQUAL 1)
    message(FATAL_ERROR "expected one .deb, cpack made ${ile}: ${paczki}")
endif()
get_filename_component(nazwa_pliku "${paczki}" NAME)
if(NOT nazwa_pliku MATCHES "^ampelor_${VERSION}_[a-z0-9]+\\.deb$")
    message(FATAL_ERROR "unexpected package file name ${nazwa_pliku}")
endif()

# --- the control fields ---------------------------------------------------------------------
function(pole nazwa wynik)
    uruchom("dpkg-deb -f ${nazwa}" "${sciezka_dpkg-deb}" -f "${paczki}" ${nazwa})
    string(STRIP "${wyjscie}" wyjscie)
    set(${wynik} "${wyjscie}" PARENT_SCOPE)
endfunction()

pole(Package pakiet)
pole(Version wersja)
pole(Depends zaleznosci)
pole(Recommends zalecane)
if(NOT pakiet STREQUAL "ampelor")
    message(FATAL_ERROR "Package: ${pakiet}, expected ampelor")
endif()
if(NOT wersja STREQUAL VERSION)
    message(FATAL_ERROR "Version: ${wersja}, expected ${VERSION}")
endif()
message(STATUS "Depends: ${zaleznosci}")

# Each library the programs link must be there with the minimum version dpkg-shlibdeps reads
# from the library's symbols file: a bare name would mean a hand-written, unchecked entry.
string(REPLACE ", " ";" zaleznosci_lista "${zaleznosci}")
foreach(biblioteka libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc\\+\\+6 libc6)
    set(znaleziona FALSE)
    foreach(zaleznosc IN LISTS zaleznosci_lista)
        if(zaleznosc MATCHES "^${biblioteka} \\(>= [0-9][^)]*\\)$")
            set(znaleziona TRUE)
        endif()
    endforeach()
    if(NOT znaleziona)
        message(FATAL_ERROR "Depends lacks ${biblioteka} with a version: ${zaleznosci}")
    endif()
endforeach()

# What the program loads at run time without linking it, among it the Wayland platform plugin.
string(REPLACE ", " ";" zalecane_lista "${zalecane}")
foreach(pakiet qt6-translations-l10n xdg-utils qt6-wayland)
    if(NOT pakiet IN_LIST zalecane_lista)
        message(FATAL_ERROR "Recommends lacks ${pakiet}: ${zalecane}")
    endif()
endforeach()

# --- the contents: everything below /usr ----------------------------------------------------
uruchom("dpkg-deb -c" "${sciezka_dpkg-deb}" -c "${paczki}")
string(REGEX MATCHALL "\\./[^\n]*" sciezki "${wyjscie}")
foreach(sciezka IN LISTS sciezki)
    if(NOT sciezka MATCHES "^\\./usr/")
        message(FATAL_ERROR "package puts ${sciezka} outside /usr")
    endif()
endforeach()
foreach(potrzebna ./usr/bin/ampelor ./usr/bin/ampelor-batch ./usr/share/applications/ampelor.desktop
                  ./usr/share/metainfo/ampelor.metainfo.xml)
    if(NOT "${potrzebna}" IN_LIST sciezki)
        message(FATAL_ERROR "package lacks ${potrzebna}:\n${wyjscie}")
    endif()
endforeach()

# --- the unpacked programs run --------------------------------------------------------------
set(korzen "${WORK_DIR}/root")
uruchom("dpkg-deb -x" "${sciezka_dpkg-deb}" -x "${paczki}" "${korzen}")

# Two cases from the README, answered by the packaged ampelor-batch under the test locale.
file(WRITE "${WORK_DIR}/wejscie.tsv" "0\t5\t0\n1\t5\t15\n")
set(ENV{LC_ALL} "${LOCALE}")
execute_process(
    COMMAND "${korzen}/usr/bin/ampelor-batch"
    INPUT_FILE "${WORK_DIR}/wejscie.tsv"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE bledy)
set(oczekiwane "5\t0\t 560 Ohm\t 146.21 Ohm\t 240 Ohm\t\n5\t15\t 680 Ohm\t 1.8 kOhm\t 270 Ohm\t\n")
if(NOT status EQUAL 0 OR NOT wyjscie STREQUAL oczekiwane)
    message(FATAL_ERROR "packaged ampelor-batch (${status}) answered\n${wyjscie}\n"
                        "expected\n${oczekiwane}\nstderr: ${bledy}")
endif()

# The packaged (stripped) window program starts and stays up: still running when the timeout
# ends it means it got past loading its libraries and plugins, building and showing its window.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
    COMMAND "${korzen}/usr/bin/ampelor"
    TIMEOUT 3
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE bledy)
if(NOT status MATCHES "timeout")
    message(FATAL_ERROR "packaged ampelor ended by itself (${status}) instead of staying up:\n"
                        "${wyjscie}\n${bledy}")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
