#!/bin/sh
# Runs one test program with the sanitizer settings of the project (used as the test launcher
# when TUMBLE_SANITIZE is on).
#
# Mesa and SDL load their drivers with dlopen and unload them when SDL quits, which leaves
# LeakSanitizer unable to name the library of what they still held: the drivers are preloaded
# so that they stay loaded and their memory stays reachable. tests/lsan.supp suppresses system
# libraries only, never the engine's own code.
root=$(cd "$(dirname "$0")/.." && pwd)
dri=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
if [ -n "$dri" ]; then
    export LD_PRELOAD="$dri:libEGL.so.1:libEGL_mesa.so.0:libgbm.so.1:libglapi.so.0"
fi
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:verify_asan_link_order=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
exec "$@"
