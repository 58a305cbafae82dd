#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset default
cmake --build --preset default
if [[ -x build/default/ui/main/ampelor ]]; then
    exec build/default/ui/main/ampelor "$@"
fi
echo "Zbudowano narzędzie build/default/tools/ampelor-batch; okno programu jeszcze nie powstało."
