#!/bin/bash
# Builds everything and runs every test: native (under sanitizers), Win32 under Wine, end to end
# with the real program, the 32-bit build's link check and a bounded fuzzing run. Exits non-zero
# on any failure. Extra arguments go to ctest (for example: -L native, -R Playlist).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$repo/tools/wine/wine-env.sh" "$build/wine" test

# A virtual display of our own for the Wine tests, and a Wine server that stays up between
# test programs (a cold Wine start costs a second, a warm one a twentieth).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$build/xvfb.display" >/dev/null 2>&1 &
xvfb=$!
"$WINESERVER" -p
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$build/xvfb.display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$build/xvfb.display")"

cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
