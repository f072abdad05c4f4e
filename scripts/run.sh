#!/usr/bin/env bash
# Installs the dependencies, builds the calculator with the files it reads
# beside itself, and starts it from build/bin. The tests and benchmarks are
# left to scripts/test.sh: a first build of those takes several times longer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
cmake -S . -B build -G Ninja
cmake --build build --parallel "$jobs" --target Lumivane
exec build/bin/Lumivane "$@"
