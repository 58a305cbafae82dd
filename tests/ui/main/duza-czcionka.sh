#!/usr/bin/env bash
# A 20-point system font (set through qt6ct) on a 1366 x 768 screen makes the window, frame
# included, taller than the screen. It must then hang from the top of the screen, title bar
# whole, within the screen's width; the program calculates as usual. Saves a screenshot of the
# whole screen: duza-czcionka.sh AMPELOR OUT.png
set -euo pipefail
ampelor=$1
wynik=$2
source "$(dirname "$0")/../support/ekran.sh"

ustawienia=$(mktemp -d)
trap 'zakoncz; rm -rf "$ustawienia"' EXIT
mkdir -p "$ustawienia/qt6ct"
cat >"$ustawienia/qt6ct/qt6ct.conf" <<'KONIEC'
[Appearance]
style=Fusion
[Fonts]
general="DejaVu Sans,20,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,20,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
KONIEC

uruchom_x 1366x768
uruchom_program "$ampelor" XDG_CONFIG_HOME="$ustawienia" QT_QPA_PLATFORMTHEME=qt6ct
sleep 0.2
read -r lewo gora szerokosc wysokosc < <(ramka_okna "$okno")
echo "ramka okna: ${szerokosc}x${wysokosc} w punkcie $lewo,$gora"
((wysokosc > 768)) || blad "the window is ${wysokosc} px tall: the large font did not take effect"
((gora == 0)) || blad "the frame's top is at $gora, not at the screen's top"
((lewo >= 0 && lewo + szerokosc <= 1366)) || blad "the frame sticks out sideways: $lewo + $szerokosc"

xdotool key --window "$okno" ctrl+a
xdotool type --window "$okno" --delay 50 '12'
xdotool key --window "$okno" Return
sleep 0.5
kill -0 "$program"
import -window root "$wynik"
echo "zrzut ekranu: $wynik"
