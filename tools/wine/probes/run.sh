#!/bin/bash
# Two facts about Wine, shown without the player's code: whether a shown window with a region
# leaves a region object behind (kept_regions.cpp), and which runs of a window region reach the
# screen (narrow_runs.cpp). Builds both in both widths and runs them under the host's Wine 8
# (64-bit) and under Wine 10 (64- and 32-bit, in the root of tools/wine/wine10-setup.sh), each on
# a virtual display of its own. Run as root after one tools/test.sh.
# Usage: tools/wine/probes/run.sh [BUILD_DIR]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
repo=$(realpath "$here/../../..")
build=$(realpath "${1:-$repo/build}")
work=$(mktemp -d /tmp/wine-probes-XXXXXX)
trap 'rm -rf "$work"' EXIT
for probe in kept_regions narrow_runs; do
    x86_64-w64-mingw32-g++-posix -O1 -static -o "$work/${probe}64.exe" "$here/$probe.cpp" -lntdll -lgdi32
    i686-w64-mingw32-g++-posix -O1 -static -o "$work/${probe}32.exe" "$here/$probe.cpp" -lntdll -lgdi32
done

# narrow_runs: the rows of red pixels on the screen, by the run's width.
read_runs() {
    sleep 5
    import -window root -crop 40x30+0+0 +repage "$work/shot.png"
    convert "$work/shot.png" txt:- | grep -o '^[0-9]*,[0-9]*: ([0-9,]*) *#FF0000' | cut -d: -f1 >"$work/red.txt"
    local shown="" missing=""
    for width in 1 2 3 4 5 6 7 8 9 10; do
        if [ "$(grep -c ",$((2 * width - 1))\$" "$work/red.txt")" -eq "$width" ]; then
            shown+=" $width"
        else missing+=" $width"; fi
    done
    echo "    narrow_runs: runs shown, by width:${shown:- none}; missing:${missing:- none};" \
         "one-pixel column: $(grep -c '^20,' "$work/red.txt") of 6 pixels"
}

probe_under() { # label runner-command...
    local label=$1
    shift
    echo "$label"
    echo "    kept_regions: $("$@" "$work/kept_regions$bits.exe" | tr -d '\r' | paste -sd ';')"
    "$@" "$work/narrow_runs$bits.exe" &
    local program=$!
    read_runs
    wait "$program"
}

source "$repo/tools/wine/wine-env.sh" "$build/wine" test
source "$repo/tools/wine/virtual-display.sh"
bits=64 probe_under "Wine 8, 64-bit" "$build/win64/run-under-wine"
bits=64 probe_under "Wine 10, 64-bit" "$build/win32/run-under-wine"
bits=32 probe_under "Wine 10, 32-bit" "$build/win32/run-under-wine"
