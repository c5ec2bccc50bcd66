#!/bin/bash
# Builds everything and runs every test: native (under sanitizers), Win32 under Wine and end to end
# with the real program in both widths (64-bit under the host's Wine 8, 32-bit under Wine 10),
# both builds' link checks, the release packages' check and a bounded fuzzing run. Exits non-zero
# on any failure. Extra arguments go to ctest (for example: -L native, -L wine32, -R Playlist).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# The 32-bit tests run under Wine 10 in a Debian 13 root of their own (made once, outside the
# checkout, and kept up to date: tools/wine/wine10-setup.sh) with a prefix in build/wine10.
"$repo/tools/wine/wine10-setup.sh"
cmake --build "$build" --target wine10-prefix
# Some machines cannot run 32-bit code at all (their kernel lacks the 32-bit entry that Wine's
# WoW64 mode needs): there the 32-bit lane is built and link-checked but its programs cannot
# start, so its tests are left out (and the start of the 32-bit package), and said so before and
# after the run.
skip32=()
if ! why32=$("$repo/tools/wine/wine10-runs-32-bit.sh" "$build/wine10"); then
    skip32=(-E '^(win32|e2e32)\.')
    export PLAYER_CANNOT_RUN_32_BIT="$why32" # the 32-bit package's check leaves out its start
    note32="NOT RUN: the 32-bit tests (win32.*, e2e32.*) and the start of the 32-bit package: this
machine cannot run 32-bit Windows code ($why32)."
    echo "$note32" >&2
fi
source "$repo/tools/wine/wine-env.sh" "$build/wine" test

# A virtual display of our own for the Wine tests.
source "$repo/tools/wine/virtual-display.sh"

cd "$build"
status=0
ctest --output-on-failure -j "$(nproc)" "${skip32[@]}" "$@" || status=$?
[ -z "${note32:-}" ] || echo "$note32" >&2
exit "$status"
