#!/bin/bash
# Builds everything and runs every test: native (under sanitizers), Win32 under Wine, end to end
# with the real program, the 32-bit build's link check, the release packages' check and a bounded
# fuzzing run. Exits non-zero on any failure. Extra arguments go to ctest (for example: -L native,
# -R Playlist).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$repo/tools/wine/wine-env.sh" "$build/wine" test

# A virtual display of our own for the Wine tests.
source "$repo/tools/wine/virtual-display.sh"

cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
