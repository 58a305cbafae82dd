#!/usr/bin/env bash
# The 32-bit Windows build of the calculation core and ampelor-batch, with its tests run under
# Wine: installs, as root on Debian 12, whatever the machine lacks for it, then configures,
# builds and tests the mingw32 preset. Safe to run again; needs no display and no input.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build
    # the cross compiler, in its POSIX threads variant (see cmake/toolchains/mingw-i686.cmake)
    g++-mingw-w64-i686-posix
    # GoogleTest as sources, built for the target along with the tests
    googletest
    # Wine to run the 32-bit programs; wine32 lives in the i386 architecture
    wine wine32:i386
)

export DEBIAN_FRONTEND=noninteractive
needs_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Dodawanie architektury i386 (dla wine32)"
    dpkg --add-architecture i386
    needs_update=1
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    needs_update=1
fi
if ((needs_update)); then
    apt-get update -q
fi
if ((${#missing[@]})); then
    echo "Instalowanie pakietów: ${missing[*]}"
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset mingw32
cmake --build --preset mingw32

# The tests' Wine prefix, where the mingw32 test preset puts it, made before ctest starts:
# creating it takes longer than GoogleTest allows a program for listing its tests. The Wine
# server started with it is stopped at the end rather than left to time out.
export WINEPREFIX="$PWD/build/mingw32/wine"
trap 'wineserver -k 2>/dev/null || true' EXIT
cmake/toolchains/wine-uruchom.sh
ctest --preset mingw32
