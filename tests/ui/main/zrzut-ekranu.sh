#!/usr/bin/env bash
# Starts the real program on a virtual X server with a window manager, as on a desktop, types a
# voltage, presses Enter and saves a screenshot of the window, then opens the about box with
# Ctrl+I, saves its screenshot and closes it with Enter: zrzut-ekranu.sh AMPELOR OUT.png ABOUT.png
set -euo pipefail
ampelor=$1
wynik=$2
about=$3

for n in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { ekran=:$n; break; }
done
Xvfb "$ekran" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
export DISPLAY=$ekran
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

LC_ALL=pl_PL.UTF-8 "$ampelor" &
pids+=($!)
okno=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ampelor - jednonapięciowy$' | head -n 1)
xdotool windowactivate --sync "$okno" >/dev/null 2>&1 || true
# Centred on the 800 x 600 screen, frame and all (the frame's extents come from the window
# manager: left, right, top, bottom).
sleep 0.3
geometria=$(xwininfo -id "$okno")
X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$geometria")
Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$geometria")
WIDTH=$(awk '/Width:/ { print $NF }' <<<"$geometria")
HEIGHT=$(awk '/Height:/ { print $NF }' <<<"$geometria")
read -r lewa prawa gorna dolna < <(xprop -id "$okno" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
srodekX=$((X - lewa + (WIDTH + lewa + prawa) / 2))
srodekY=$((Y - gorna + (HEIGHT + gorna + dolna) / 2))
if ((srodekX < 395 || srodekX > 405 || srodekY < 295 || srodekY > 305)); then
    echo "window not centred: its frame's centre is at $srodekX,$srodekY" >&2
    exit 1
fi
sleep 0.3
xdotool key --window "$okno" ctrl+a
xdotool type --window "$okno" --delay 50 '30'
xdotool key --window "$okno" Return
sleep 0.5
kill -0 "${pids[2]}" # still running after the calculation
import -frame -window "$okno" "$wynik"
echo "zrzut ekranu: $wynik"

xdotool key --window "$okno" ctrl+i
oprogramie=$(timeout 10 xdotool search --sync --onlyvisible --name '^O programie\.\.\.$' | head -n 1)
sleep 0.3
import -frame -window "$oprogramie" "$about"
echo "zrzut ekranu: $about"
xdotool key --window "$oprogramie" Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^O programie' >/dev/null || break
    sleep 0.1
done
! xdotool search --onlyvisible --name '^O programie' >/dev/null # OK hid the box
kill -0 "${pids[2]}"
