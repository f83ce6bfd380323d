#!/usr/bin/env bash
# The demo's start-up against the floor probe, offscreen and under Xvfb, in one invocation.
# startup-ratio.sh [BUILD_DIR] [RUNS] [DEMO_CONFIG TUMBLE]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
export SDL_AUDIODRIVER=dummy
SDL_VIDEODRIVER=offscreen "$build/bin/startup_ratio" "$runs" "${@:3}"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" env -u SDL_VIDEODRIVER "$build/bin/startup_ratio" "$runs" "${@:3}"
