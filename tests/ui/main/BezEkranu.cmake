# Without a display the program must end with one plain line and a non-zero status, not a
# toolkit abort. Run as: cmake -DAMPELOR=<program> -P BezEkranu.cmake
foreach(ekran "" ":999")
    unset(ENV{WAYLAND_DISPLAY})
    unset(ENV{QT_QPA_PLATFORM})
    set(ENV{DISPLAY} "${ekran}")
    execute_process(COMMAND "${AMPELOR}" RESULT_VARIABLE status ERROR_VARIABLE bledy
                    OUTPUT_VARIABLE wyjscie TIMEOUT 30)
    string(REGEX MATCHALL "\n" wiersze "${bledy}")
    list(LENGTH wiersze liczbaWierszy)
    if(NOT status EQUAL 1 OR NOT liczbaWierszy EQUAL 1
       OR NOT bledy MATCHES "^ampelor: nie można połączyć się z ekranem")
        message(FATAL_ERROR "DISPLAY='${ekran}': status ${status}, stderr:\n${bledy}")
    endif()
endforeach()
