#!/usr/bin/env bash
# Installs, as root on Debian 12, what the machine lacks. Safe to run again.
#   bash scripts/deps.sh run    what building and running the program needs
#   bash scripts/deps.sh test   that, and what the tests, the fuzzing and the benchmarks need,
#                               with the Polish locale the tests run under (the default)
set -euo pipefail

what=${1:-test}
case "$what" in
run | test) ;;
*)
    echo "Użycie: bash scripts/deps.sh [run|test]" >&2
    exit 2
    ;;
esac

run_packages=(
    # build, with Debian's hardening flags (dpkg-buildflags)
    cmake ninja-build g++ pkg-config dpkg-dev
    # the windows
    qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core fonts-comic-neue
    # the about box hands its links to the desktop's URL opener
    xdg-utils
    # native Wayland: the platform plugin
    qt6-wayland
)

test_packages=(
    # the fuzzing build
    clang libclang-rt-14-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev locales mawk
    # the window tests on a virtual screen
    xvfb xauth openbox imagemagick xdotool x11-utils
    # desktop entry, metadata and Debian package checks
    desktop-file-utils appstream file lintian
    # a headless Wayland compositor with a screenshooter, to test the program on Wayland
    weston
    # the dark colour schemes the windows are tested under: GTK's Adwaita-dark through Qt's GTK
    # platform theme, and qt6ct's schemes (qt6ct also sets the large system font of the tests)
    qt6-gtk-platformtheme gnome-themes-extra qt6ct
)

packages=("${run_packages[@]}")
if [[ $what == test ]]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Instalowanie pakietów: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ $what == test ]] && ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
    sed -i 's/^# *\(pl_PL\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^pl_PL\.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
fi
