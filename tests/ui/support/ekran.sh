# Sourced by the real-window tests: a virtual X server with a window manager, as on a desktop,
# and the program's windows found and measured. Every wait is bounded, and a server or window
# that does not come fails the test with a message instead of hanging it.

pids=()
# Ends what the test started and waits for it, so that no server outlives the test.
zakoncz() {
    kill "${pids[@]}" 2>/dev/null || true
    wait "${pids[@]}" 2>/dev/null || true
}
trap zakoncz EXIT

blad() {
    echo "$*" >&2
    exit 1
}

# uruchom_x WIDTHxHEIGHT: starts Xvfb on a display it picks free itself, and openbox on it;
# exports DISPLAY. Without -noreset the server resets when its last client leaves, and a client
# that connects just then (openbox, right after the check that the server answers) is refused.
uruchom_x() {
    local numer
    numer=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${1}x24" -nolisten tcp 3>"$numer" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [[ -s $numer ]] && break
        kill -0 "${pids[-1]}" 2>/dev/null || blad "Xvfb ended at start"
        sleep 0.1
    done
    [[ -s $numer ]] || blad "Xvfb did not start within 10 s"
    export DISPLAY=:$(<"$numer")
    rm -f "$numer"
    xdpyinfo >/dev/null 2>&1 || blad "Xvfb $DISPLAY does not answer"
    openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "${pids[-1]}" 2>/dev/null || blad "openbox ended at start"
        sleep 0.1
    done
    blad "openbox did not start within 10 s"
}

# uruchom_program AMPELOR [VAR=VALUE...]: starts the program in the Polish locale with these
# variables, waits for its main window and activates it; sets program (its process) and okno
# (the window's id).
uruchom_program() {
    local ampelor=$1
    shift
    env LC_ALL=pl_PL.UTF-8 "$@" "$ampelor" &
    pids+=($!)
    program=${pids[-1]}
    okno=$(czekaj_na_okno '^Ampelor - jednonapięciowy$')
    xdotool windowactivate --sync "$okno" >/dev/null 2>&1 || true
    sleep 0.3
}

# czekaj_na_okno TITLE_REGEX [SECONDS]: prints the id of the first visible window so titled.
czekaj_na_okno() {
    local okno
    okno=$(timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
    [[ -n $okno ]] || blad "no window titled /$1/ within ${2:-20} s"
    echo "$okno"
}

# ramka_okna ID: prints the left, top, width and height of the window with its frame.
ramka_okna() {
    local geometria x y szer wys lewa prawa gorna dolna
    geometria=$(xwininfo -id "$1")
    x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$geometria")
    y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$geometria")
    szer=$(awk '/Width:/ { print $NF }' <<<"$geometria")
    wys=$(awk '/Height:/ { print $NF }' <<<"$geometria")
    read -r lewa prawa gorna dolna < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo $((x - lewa)) $((y - gorna)) $((szer + lewa + prawa)) $((wys + gorna + dolna))
}
