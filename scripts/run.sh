#!/usr/bin/env bash
# Installs the dependencies, builds the calculator with the files it reads
# beside itself, and starts it from build/bin. The tests and benchmarks are
# left to scripts/test.sh: a first build of those takes several times longer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
# Warnings are never errors here: a warning that a newer compiler adds must
# not keep the calculator from starting. scripts/test.sh configures build/
# the same way unless CI asks for warnings as errors, so that neither
# command compiles the program again after the other.
cmake -S . -B build -G Ninja -DKW_WERROR=OFF
cmake --build build --parallel "$jobs" --target Lumivane
exec build/bin/Lumivane "$@"
