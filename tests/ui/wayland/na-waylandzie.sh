#!/usr/bin/env bash
# Starts weston's headless compositor with its screenshooter, runs the Wayland window test on
# it, then the real program: it must start natively, stay up and say nothing, and a screenshot
# of it is taken. A compositor that does not come fails the run within 10 s.
#   na-waylandzie.sh WAYLAND_TEST AMPELOR SCREENSHOT_FOLDER
set -euo pipefail
test_okien=$1
ampelor=$2
export AMPELOR_ZRZUTY=$3

blad() {
    echo "$*" >&2
    exit 1
}

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
pids=()
zakoncz() {
    kill "${pids[@]}" 2>/dev/null || true
    wait "${pids[@]}" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
trap zakoncz EXIT
unset DISPLAY
export WAYLAND_DISPLAY=ampelor-test
dziennik=$XDG_RUNTIME_DIR/weston.log

# --debug lets clients take screenshots; pixman draws them without a GPU.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug >"$dziennik" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break
    kill -0 "${pids[0]}" 2>/dev/null || { tail -n 20 "$dziennik" >&2; blad "weston ended at start"; }
    sleep 0.1
done
[[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] || blad "weston did not start within 10 s"
sleep 1 # the desktop shell's panel and background drawn

QT_QPA_PLATFORM=wayland LC_ALL=pl_PL.UTF-8 timeout 60 "$test_okien"

# The real program, with Qt's own choice of platform: Wayland, as in a Wayland session.
bledy=$XDG_RUNTIME_DIR/ampelor.err
XDG_SESSION_TYPE=wayland LC_ALL=pl_PL.UTF-8 "$ampelor" 2>"$bledy" &
pids+=($!)
sleep 2
kill -0 "${pids[-1]}" 2>/dev/null || { cat "$bledy" >&2; blad "ampelor ended on Wayland"; }
[[ ! -s $bledy ]] || { cat "$bledy" >&2; blad "ampelor warned on Wayland"; }
( cd "$XDG_RUNTIME_DIR" && timeout 10 weston-screenshooter ) || blad "weston-screenshooter failed"
mv "$XDG_RUNTIME_DIR"/wayland-screenshot-*.png "$AMPELOR_ZRZUTY/wayland-program.png"
echo "zrzut ekranu: $AMPELOR_ZRZUTY/wayland-program.png"
