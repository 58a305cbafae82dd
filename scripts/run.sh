#!/usr/bin/env bash
# Installs what building and running the program needs and the machine lacks, builds the
# program and ampelor-batch (no tests, no benchmarks), and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake --preset app
cmake --build --preset app
exec build/app/ui/main/ampelor "$@"
