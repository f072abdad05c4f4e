#!/usr/bin/env bash
# Installs the dependencies, builds the calculator and starts it from build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
cmake -S . -B build -G Ninja
cmake --build build --parallel "$jobs"

if [ ! -x build/bin/Lumivane ]; then
  echo "The calculator is not built yet: only its libraries and tests exist." >&2
  exit 1
fi
exec build/bin/Lumivane "$@"
