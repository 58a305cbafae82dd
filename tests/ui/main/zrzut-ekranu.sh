#!/usr/bin/env bash
# Starts the real program on a virtual X server with a window manager, as on a desktop, types a
# voltage, presses Enter and saves a screenshot of the window, then opens the about box with
# Ctrl+I, saves its screenshot and closes it with Enter:
#   zrzut-ekranu.sh AMPELOR OUT.png ABOUT.png [adwaita-dark | qt6ct-darker]
# The last argument runs it under a dark colour scheme: GTK's Adwaita-dark through Qt's GTK
# platform theme, or qt6ct's "darker" scheme.
set -euo pipefail
ampelor=$1
wynik=$2
about=$3
schemat=${4:-}
source "$(dirname "$0")/../support/ekran.sh"

ustawienia=$(mktemp -d)
trap 'zakoncz; rm -rf "$ustawienia"' EXIT
srodowisko=(XDG_CONFIG_HOME="$ustawienia")
case $schemat in
'') ;;
adwaita-dark) srodowisko+=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark) ;;
qt6ct-darker)
    mkdir -p "$ustawienia/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' \
        /usr/share/qt6ct/colors/darker.conf >"$ustawienia/qt6ct/qt6ct.conf"
    srodowisko+=(QT_QPA_PLATFORMTHEME=qt6ct)
    ;;
*) blad "unknown colour scheme $schemat" ;;
esac

uruchom_x 800x600
uruchom_program "$ampelor" "${srodowisko[@]}"
# Centred on the 800 x 600 screen, frame and all.
read -r lewo gora szerokosc wysokosc < <(ramka_okna "$okno")
srodekX=$((lewo + szerokosc / 2))
srodekY=$((gora + wysokosc / 2))
if ((srodekX < 395 || srodekX > 405 || srodekY < 295 || srodekY > 305)); then
    blad "window not centred: its frame's centre is at $srodekX,$srodekY"
fi
sleep 0.3
xdotool key --window "$okno" ctrl+a
xdotool type --window "$okno" --delay 50 '30'
xdotool key --window "$okno" Return
sleep 0.5
kill -0 "$program" # still running after the calculation
import -frame -window "$okno" "$wynik"
echo "zrzut ekranu: $wynik"

xdotool key --window "$okno" ctrl+i
oprogramie=$(czekaj_na_okno '^O programie\.\.\.$' 10)
sleep 0.3
import -frame -window "$oprogramie" "$about"
echo "zrzut ekranu: $about"
xdotool key --window "$oprogramie" Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^O programie' >/dev/null || break
    sleep 0.1
done
! xdotool search --onlyvisible --name '^O programie' >/dev/null # OK hid the box
kill -0 "$program"
