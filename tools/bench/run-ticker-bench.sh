#!/bin/bash
# What the title ticker costs, measured side by side in one run under Wine on a virtual display:
#  - CPU seconds per minute of the player's own process idle with the ticker hidden, idle with
#    it shown and scrolling, and playing at real time (the paced sound card) with it shown and
#    hidden, beside the decoder library playing the same file alone; the Wine server, Wine's other processes of the prefix and the X server apart (each
#    tick copies the ticker to its window: X traffic);
#  - start-up to the first shown frame beside a bare window, this build (the ticker created at
#    start) and a player built without the ticker, started in turn; and the time that creating
#    the ticker takes, measured in-process.
# Usage: tools/bench/run-ticker-bench.sh [build folder] [bin folder of a player built without
# the ticker] [start-up runs] [seconds per CPU condition]. Without the second folder the rows of
# the player before the ticker are left out. Prints Markdown tables.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$repo/build}")
before=${2:+$(realpath "$2")}
runs=${3:-21}
seconds=${4:-60}
bin="$build/win64/bin"
source "$repo/tools/wine/wine-env.sh" "$build/wine" test
# The display number of an earlier run must not be read before the new server writes its own.
rm -f "$PLAYER_WINE_ROOT/xvfb.display"
source "$repo/tools/wine/virtual-display.sh"
root=$PLAYER_WINE_ROOT

work=$(mktemp -d /tmp/vz3ticker-XXXXXX)
sink_pid=""
player_pid=""
cleanup() {
    [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null
    [ -n "$sink_pid" ] && kill "$sink_pid" 2>/dev/null
    rm -rf "$work"
    stop_virtual_display
}
trap cleanup EXIT
winpath() { echo "Z:${1//\//\\}"; }

# A player in a folder of its own, at (100, 120), with one entry whose line scrolls.
sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth $((2 * seconds + 30)) sine 440 vol 0.3
lame --quiet -b 128 "$work/tone.wav" "$work/song.mp3"
rm "$work/tone.wav"
prepare() { # folder, bin folder
    mkdir -p "$1"
    cp "$2/VizuRE3.exe" "$2/VBMP3.dll" "$1/"
    printf '[VIZURE3]\nDLGPOSX=100\nDLGPOSY=120\nREGNUM=1\nFILENAME0000=%s\nTRACKNAME0000=%s\nARTISTNAME0000=%s\nTOTALSEC0000=%d\nREADDATA0000=1\n' \
        "$(winpath "$work/song.mp3")" "おもちがふくらむ夜のうた" "ぴこもち合唱団" \
        $((2 * seconds + 30)) | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$1/VizuRE3.INI"
}

hz=$(getconf CLK_TCK)
cpu_of() { awk -v hz="$hz" '{print ($14 + $15) / hz}' "/proc/$1/stat"; }
# Processes of this Wine prefix (other developers' prefixes share the machine).
prefix_pids() {
    local pid
    for pid in $(pgrep -f 'wineserver|\.exe'); do
        if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
        fi
    done
}
server_pid=$(for pid in $(prefix_pids); do
    case $(cat "/proc/$pid/comm") in wineserver*) echo "$pid" ;; esac
done | head -1)
others_cpu() { # Wine's processes of the prefix but the server and the player
    local total=0 pid
    for pid in $(prefix_pids); do
        if [ "$pid" = "$server_pid" ] || [ "$pid" = "$player_pid" ]; then continue; fi
        total=$(echo "$total + $({ cpu_of "$pid"; } 2>/dev/null || echo 0)" | bc -l)
    done
    echo "$total"
}

start_player() { # folder
    (cd "$1" && HOME="$root/home-paced" exec "$WINE" VizuRE3.exe >/dev/null 2>&1) &
    player_pid=$!
    for _ in $(seq 100); do
        [ "$(cat /proc/$player_pid/comm 2>/dev/null)" = VizuRE3.exe ] && break
        sleep 0.1
    done
    sleep 5 # up, painted and settled
}
stop_player() { kill "$player_pid"; wait "$player_pid" 2>/dev/null || true; player_pid=""; }

# One row: CPU seconds per minute of each part over `seconds` of the condition.
measure() { # label
    local p0 s0 o0 x0
    p0=$(cpu_of "$player_pid"); s0=$(cpu_of "$server_pid"); o0=$(others_cpu)
    x0=$(cpu_of "$virtual_display_pid")
    sleep "$seconds"
    awk -v l="$1" -v k="$(echo "60 / $seconds" | bc -l)" \
        -v p="$(echo "$(cpu_of "$player_pid") - $p0" | bc -l)" \
        -v s="$(echo "$(cpu_of "$server_pid") - $s0" | bc -l)" \
        -v o="$(echo "$(others_cpu) - $o0" | bc -l)" \
        -v x="$(echo "$(cpu_of "$virtual_display_pid") - $x0" | bc -l)" \
        'BEGIN {printf "| %s | %.2f | %.2f | %.2f | %.2f |\n", l, p * k, s * k, o * k, x * k}'
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
ticker_key() { click 130 285; } # "i", with the player at (100, 120)
play_key() { click 160 190; }

"$repo/tools/wine/paced-sink" "$root/paced.fifo" /dev/null /dev/null &
sink_pid=$!
for _ in $(seq 50); do [ -p "$root/paced.fifo" ] && break; sleep 0.1; done

echo "## CPU seconds per minute ($seconds s per condition)"
echo
echo "| Condition | the player's process | wineserver | Wine's other processes | Xvfb |"
echo "|---|---|---|---|---|"
if [ -n "$before" ]; then
    prepare "$work/before" "$before"
    start_player "$work/before"
    measure "player without a ticker, idle"
    stop_player
fi
# The decoder library alone playing the same file in a windowless process: what playing costs
# before any window of the player does anything.
cp "$bin/PlaybackBench.exe" "$bin/VBMP3.dll" "$work/"
(cd "$work" && HOME="$root/home-paced" exec "$WINE" PlaybackBench.exe play "$(winpath "$work/song.mp3")" >/dev/null 2>&1) &
player_pid=$!
sleep 5
measure "the library alone playing the same file (\`PlaybackBench play\`, no window)"
stop_player
prepare "$work/after" "$bin"
start_player "$work/after"
measure "idle, ticker hidden"
ticker_key
sleep 5 # past the pause: the line moves all through the minute
measure "idle, ticker shown and scrolling"
play_key
sleep 2
measure "playing, ticker shown and scrolling"
ticker_key
measure "playing, ticker hidden"
stop_player
echo

echo "## Start-up to the first shown frame, ms: median (min–max) of $runs, started in turn"
echo
cp "$bin/BareWindow.exe" "$bin/StartupBench.exe" "$bin/VBMP3.dll" "$work/"
programs=("$(winpath "$work/BareWindow.exe")")
labels=("bare Win32 window")
if [ -n "$before" ]; then
    mkdir -p "$work/start-before" && cp "$before/VizuRE3.exe" "$before/VBMP3.dll" "$work/start-before/"
    programs+=("$(winpath "$work/start-before/VizuRE3.exe")")
    labels+=("player without a ticker")
fi
mkdir -p "$work/start-after" && cp "$bin/VizuRE3.exe" "$bin/VBMP3.dll" "$work/start-after/"
programs+=("$(winpath "$work/start-after/VizuRE3.exe")")
labels+=("player creating the ticker hidden at start (this build)")
result=$(cd "$work" && "$WINE" "$work/StartupBench.exe" times "$runs" "${programs[@]}" | tr -d '\r')
value() { echo "$result" | awk -v k="$1" '$1 == k {print $2}'; }
echo "| Program | First shown frame, ms |"
echo "|---|---|"
for i in "${!labels[@]}"; do
    echo "| ${labels[$i]} | $(value "${i}_first_frame_median_ms") ($(value "${i}_first_frame_min_ms")–$(value "${i}_first_frame_max_ms")) |"
done
echo
result=$(cd "$work" && "$WINE" "$work/StartupBench.exe" ticker "$runs" | tr -d '\r')
echo "Creating the ticker in-process (\`StartupBench ticker $runs\`): $(value ticker_first_ms) ms the first time, median $(value ticker_median_ms) ms of the $((runs - 1)) after it."
