#!/usr/bin/env bash
# Installs the dependencies, builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole test suite: a sanitizer report fails the test
# program that caused it. The benchmarks are built too, so that they keep compiling; measure them
# from an optimised build (see docs/engine.md).
# Usage: scripts/test.sh [BUILD_DIR] [extra CMake options...]
# (for example `scripts/test.sh build -DTUMBLE_SANITIZE=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo`
# for a plain run)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${1:-build-test}
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTUMBLE_SANITIZE=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
# Drawing tests need a display: give them a virtual one with Mesa's software OpenGL. Without
# -noreset the server resets whenever its last client leaves, and a test that connects at that
# moment fails to open the display.
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j"$(nproc)"
