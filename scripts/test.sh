#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs the whole test suite.
# Usage: scripts/test.sh [BUILD_DIR] [extra CMake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
# Drawing tests need a display: give them a virtual one with Mesa's software OpenGL. Without
# -noreset the server resets whenever its last client leaves, and a test that connects at that
# moment fails to open the display.
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j"$(nproc)"
