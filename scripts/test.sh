#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test headless,
# then does the same with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/. KW_SKIP_SANITIZE=1 skips the second round (for quick local
# runs; .ci/run sets it to 0).
#
# Warnings are errors where CI asks for them: KW_WERROR=ON (which .ci/run
# sets) or, in a folder configured for the first time, a true CI variable in
# the environment (true, 1, yes or on). Otherwise each folder keeps its
# setting, off unless set, as scripts/run.sh leaves build/: running the run
# command and then this one compiles nothing of the program again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja ${KW_WERROR:+-DKW_WERROR="$KW_WERROR"} "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 300
}

run_suite build
if [ "${KW_SKIP_SANITIZE:-0}" != "1" ]; then
  run_suite build-asan -DENABLE_SANITIZERS=ON -DKW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
fi
