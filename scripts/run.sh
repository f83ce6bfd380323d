#!/usr/bin/env bash
# Installs the dependencies, builds Tumble and starts it with any arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLE_TESTS=OFF -DTUMBLE_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tumble
exec build/bin/tumble "$@"
