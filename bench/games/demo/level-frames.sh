#!/usr/bin/env bash
# The demo's levels drawn headless with Mesa's software OpenGL: for each level, the median and the
# slowest frame (update and draw, as `tumble --frame-stats` measures them) over its solution
# replay, then the start of `tumble` to the title screen's first frame against a bare SDL program.
# Measure from an optimised build (`scripts/test.sh build -DTUMBLE_SANITIZE=OFF
# -DCMAKE_BUILD_TYPE=RelWithDebInfo` makes one):
#   bench/games/demo/level-frames.sh [BUILD_DIR] [START-UP RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

cd "$build/games/demo"
printf '%-3s %-10s %7s %10s %11s\n' "#" level frames "median ms" "slowest ms"
number=0
for name in $(sed -n 's/.*name *= *"\([^"]*\)".*/\1/p' "$root/games/demo/scripts/levelList.lua"); do
    number=$((number + 1))
    # "frame times: N frames, median X ms, slowest Y ms"
    read -r frames median slowest < <("$build/bin/tumble" config.lua --level "$number" --seed 1 \
        --replay "$root/games/demo/levels/$name.replay" --fixed-dt 0.0166667 --frame-stats |
        sed -n 's/^frame times: \([0-9]*\) frames, median \([0-9.]*\) ms, slowest \([0-9.]*\) ms$/\1 \2 \3/p')
    printf '%-3s %-10s %7s %10s %11s\n' "$number" "$name" "$frames" "$median" "$slowest"
done

echo
echo "Start-up to the title screen's first frame (offscreen), $runs paired runs:"
"$build/bin/startup_ratio" "$runs"
