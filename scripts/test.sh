#!/usr/bin/env bash
# Installs the dependencies, builds everything with warnings as errors and runs
# every test headless, then does the same with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/. KW_SKIP_SANITIZE=1 skips the
# second round (for quick local runs).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DKW_WERROR=ON "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 300
}

run_suite build
if [ "${KW_SKIP_SANITIZE:-0}" != "1" ]; then
  run_suite build-asan -DENABLE_SANITIZERS=ON -DKW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
fi
