#!/usr/bin/env bash
# Makes the README's pictures again: builds the grabber, which links the
# calculator's library and opens the calculator's own main window, and grabs
# each tool at its start (English, the normal look), offscreen, into docs/.
# Run it after a change to the look and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 4)
cmake -S . -B build -G Ninja
cmake --build build --parallel "$jobs" --target readme_pictures
build/bin/readme_pictures docs
