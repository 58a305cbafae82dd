#!/bin/sh
# Runs a Windows program under Wine for the build and its tests:
#   wine-uruchom.sh PROGRAM.exe [ARGUMENTS...]
# Without arguments it only gets the prefix and the Wine server ready.
#
# Wine's own chatter would mix with the program's standard error, which the golden tests compare,
# and a first run in a fresh prefix would offer to install Mono and Gecko: so debug output is off,
# those two are disabled, and the prefix is created once, quietly, before any program runs.
# WINEPREFIX chooses the prefix (the mingw32 test preset keeps it in the build folder).
set -eu

export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Only 32-bit programs are built, and Debian's wine32 alone runs them.
export WINEARCH="${WINEARCH:-win32}"
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ampelor/wine32}"
# The tests run console programs only; the same with or without a desktop to show windows on.
unset DISPLAY WAYLAND_DISPLAY

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests run in parallel may all find the prefix missing: one creates it, the others wait. The
    # wait for the Wine server to end is what writes the new registry to disk.
    log="$WINEPREFIX.wineboot.log"
    if ! flock "$WINEPREFIX.lock" sh -c \
            '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; } </dev/null >"$1" 2>&1' \
            sh "$log"; then
        cat "$log" >&2
        echo "wine-uruchom.sh: could not create the Wine prefix $WINEPREFIX" >&2
        exit 125
    fi
fi

# The Wine server and the system processes it starts with the first program (services.exe,
# explorer.exe and others) outlive that program, holding on to its standard output and error:
# whoever reads those to the end, as ctest does, would wait seconds after every run. So when no
# server is running for this prefix, one is started, kept for a minute after the last program
# ends, and its system processes are brought up detached from ours.
if wineserver -p60 </dev/null >/dev/null 2>&1; then
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
fi

if [ "$#" -eq 0 ]; then
    exit 0
fi
exec wine "$@"
