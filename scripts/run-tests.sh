#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: once in a normal build,
# once with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINGYEBEN_SANITIZE=ON >/dev/null
cmake --build build-asan --target tingyeben_tests tingyeben tingyeben_e2e
ctest --test-dir build-asan --output-on-failure -j2
