#!/usr/bin/env bash
# Runs every timing program in a release build, each mode in its own process.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target page_bench codepage_bench
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
mb=${1:-100}
for mode in floor open typing switch; do ./build-release/page_bench "$mode" "$mb"; done
./build-release/page_bench many
./build-release/page_bench start
./build-release/codepage_bench
rm -f /tmp/tingyeben-bench-*
