#!/bin/bash
# Start-up to the first shown frame and the idle footprint of the player, beside a bare Win32
# window, under the same Wine. Usage: tools/bench/run-startup-bench.sh [build folder] [runs]
# [player folder] (after tools/test.sh or tools/play.sh has built everything; the player folder,
# for example build/release-win64/bin, holds the VizuRE3.exe and VBMP3.dll to measure instead of
# the test build's). Prints a Markdown table.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$repo/build}")
runs=${2:-15}
bin="$build/win64/bin"
player_bin=$(realpath "${3:-$bin}")
source "$repo/tools/wine/wine-env.sh" "$build/wine" test
export HOME="$build/wine/home-null"
source "$repo/tools/wine/virtual-display.sh"

work=$(mktemp -d /tmp/vz3bench-XXXXXX)
trap 'rm -rf "$work"; stop_virtual_display' EXIT
cp "$player_bin/VizuRE3.exe" "$player_bin/VBMP3.dll" "$work/"
cp "$bin/BareWindow.exe" "$bin/StartupBench.exe" "$work/"
winpath() { echo "Z:${1//\//\\}"; }

# Private (resident, not shared) memory of the Unix process behind a Windows program.
private_kb() {
    local pid
    pid=$(pgrep -n -x "$1") || { echo "?"; return; }
    awk '/^Private_(Clean|Dirty):/ {kb += $2} END {print kb}' "/proc/$pid/smaps_rollup"
}

measure() { # label, program, count mode
    local launch="" count line private="?"
    coproc bench { "$WINE" "$work/StartupBench.exe" launch "$(winpath "$work/$2")" "$runs"; }
    local bench_pid=$bench_PID
    while IFS= read -r line <&"${bench[0]}"; do
        line=${line%$'\r'}
        [ "$line" = idle ] && private=$(private_kb "$2")
        launch+="$line "
    done
    wait "$bench_pid" 2>/dev/null || true
    count=$(cd "$work" && "$WINE" "$work/StartupBench.exe" count "$3" | tr -d '\r')
    value() { echo "$launch $count" | tr ' ' '\n' | grep -A1 -x "$1" | tail -1; }
    echo "| $1 | $(value first_frame_median_ms) ($(value first_frame_min_ms)–$(value first_frame_max_ms)) | $(value working_set_kb) | $private | $(value gdi_objects) | $(value windows) | $(value kernel_handles) |"
}

echo "| Program | First shown frame, ms: median (min–max) of $runs | Working set, KB | Private memory, KB (Linux) | GDI objects added | Windows added | Kernel handles added |"
echo "|---|---|---|---|---|---|---|"
measure "bare Win32 window" BareWindow.exe bare
measure "ぴこもちＭＰ３プレーヤー" VizuRE3.exe player
