# When the window system cannot be reached, the program must end with status 1 and a Polish
# sentence that says what failed, followed by the toolkit's own explanation, each of its lines
# marked "Qt: ", never with a toolkit abort.
#   cmake -DAMPELOR=<program> -DWTYCZKI=<Qt's platforms folder> -DWORK_DIR=<scratch> -P BezEkranu.cmake
cmake_minimum_required(VERSION 3.25)

foreach(parametr AMPELOR WTYCZKI WORK_DIR)
    if(NOT DEFINED ${parametr})
        message(FATAL_ERROR "${parametr} not given")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
# A runtime folder of its own, as a session has, so that Wayland's client library looks for
# compositors there and nowhere else.
file(MAKE_DIRECTORY "${WORK_DIR}/run")
file(CHMOD "${WORK_DIR}/run" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# sprawdz(WHAT PROGRAM FIRST_LINE_REGEX [VAR=VALUE...]): runs the program with only these of
# the window-system variables set.
function(sprawdz opis program pierwszy)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE
                XDG_RUNTIME_DIR=${WORK_DIR}/run ${ARGN} "${program}"
        RESULT_VARIABLE status ERROR_VARIABLE bledy OUTPUT_VARIABLE wyjscie TIMEOUT 30)
    # Not split as a CMake list: the Polish sentence itself holds a semicolon.
    string(FIND "${bledy}" "\n" koniec)
    string(SUBSTRING "${bledy}" 0 ${koniec} zdanie)
    math(EXPR koniec "${koniec} + 1")
    string(SUBSTRING "${bledy}" ${koniec} -1 objasnienie)
    if(NOT status EQUAL 1 OR NOT zdanie MATCHES "^ampelor: ${pierwszy}"
       OR NOT objasnienie MATCHES "^(Qt: [^\n]+\n)+$")
        message(FATAL_ERROR "${opis}: status ${status}, stderr:\n${bledy}")
    endif()
    message(STATUS "${opis}: ${zdanie}")
endfunction()

sprawdz("no display at all" "${AMPELOR}"
        "nie można połączyć się z ekranem; program wymaga środowiska graficznego \\(sprawdź zmienną DISPLAY\\)\\.$")
sprawdz("DISPLAY set to a server that is not there" "${AMPELOR}"
        "nie można połączyć się z ekranem X11 „:999” przez wtyczkę platformy Qt „xcb”" DISPLAY=:999)
sprawdz("an unknown platform plugin asked for" "${AMPELOR}"
        "nie ma wtyczki platformy Qt „bogus”, którą wskazuje zmienna QT_QPA_PLATFORM \\(dostępne: [^)]*xcb"
        QT_QPA_PLATFORM=bogus)
sprawdz("WAYLAND_DISPLAY set to a compositor that is not there" "${AMPELOR}"
        "nie można połączyć się z serwerem Wayland „ampelor-brak” przez wtyczkę platformy Qt „wayland"
        WAYLAND_DISPLAY=ampelor-brak)

# A Wayland session on a machine without Qt's Wayland plugin: the program, copied, is given a
# qt.conf that shows it a platforms folder holding the X11 plugin and no Wayland one.
file(MAKE_DIRECTORY "${WORK_DIR}/bin" "${WORK_DIR}/plugins/platforms")
file(COPY "${AMPELOR}" DESTINATION "${WORK_DIR}/bin")
file(WRITE "${WORK_DIR}/bin/qt.conf" "[Paths]\nPlugins=../plugins\n")
foreach(wtyczka libqxcb.so libqoffscreen.so)
    file(CREATE_LINK "${WTYCZKI}/${wtyczka}" "${WORK_DIR}/plugins/platforms/${wtyczka}" SYMBOLIC)
endforeach()
get_filename_component(nazwa "${AMPELOR}" NAME)
sprawdz("a Wayland session without the Wayland plugin" "${WORK_DIR}/bin/${nazwa}"
        "sesja Wayland \\(„wayland-0”\\) wymaga wtyczki platformy Qt „wayland”, której nie zainstalowano \\(dostępne: offscreen, xcb\\); zainstaluj pakiet qt6-wayland"
        WAYLAND_DISPLAY=wayland-0)

file(REMOVE_RECURSE "${WORK_DIR}")
