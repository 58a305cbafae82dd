#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the build, the program and its tests need and the
# machine lacks, and generates the Polish locale the tests run under. Safe to run again.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    # the windows
    qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core fonts-comic-neue
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev locales mawk
    xvfb xauth openbox imagemagick xdotool x11-utils
    # desktop entry, metadata and Debian package checks
    desktop-file-utils appstream dpkg-dev file
    # the about box hands its links to the desktop's URL opener
    xdg-utils
    # native Wayland: the platform plugin, and a headless compositor with a screenshooter to test it
    qt6-wayland weston
    # the dark colour schemes the windows are tested under: GTK's Adwaita-dark through Qt's GTK
    # platform theme, and qt6ct's schemes (qt6ct also sets the large system font of the tests)
    qt6-gtk-platformtheme gnome-themes-extra qt6ct
)

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

if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
    sed -i 's/^# *\(pl_PL\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^pl_PL\.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
fi
