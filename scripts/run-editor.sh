#!/usr/bin/env bash
# Installs what is needed, builds the editor and starts it with the given files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tingyeben
exec ./build/tingyeben "$@"
