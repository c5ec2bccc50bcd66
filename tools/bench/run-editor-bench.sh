#!/bin/bash
# The playlist editor's opening time with 0 and 129 entries, beside the main window's start-up,
# in one process under Wine. Usage: tools/bench/run-editor-bench.sh [build folder] [runs]
# (after tools/test.sh or tools/play.sh has built everything). Prints a Markdown table.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$repo/build}")
runs=${2:-21}
bin="$build/win64/bin"
source "$repo/tools/wine/wine-env.sh" "$build/wine" test
export HOME="$build/wine/home-null"
source "$repo/tools/wine/virtual-display.sh"

work=$(mktemp -d /tmp/vz3bench-XXXXXX)
trap 'rm -rf "$work"; stop_virtual_display' EXIT
cp "$bin/VBMP3.dll" "$bin/EditorBench.exe" "$work/"
results=$(cd "$work" && "$WINE" "$work/EditorBench.exe" "$runs" 0 129 | tr -d '\r')
value() { echo "$results" | awk -v key="$1" '$1 == key {print $2}'; }
row() { # label, key prefix
    echo "| $1 | $(value "$2_median_ms") | $(value "$2_min_ms")–$(value "$2_max_ms") | $(value "$2_cold_ms") |"
}

echo "| From the first message until idle, painted | median ms of $((runs - 1)) warm | min–max | first (cold) |"
echo "|---|---|---|---|"
row "main window created, empty playlist" main_window_0
row "main window created, 129 entries" main_window_129
row "playlist key to the editor, empty playlist" editor_0
row "playlist key to the editor, 129 entries" editor_129
