#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
