#!/bin/bash
# The decoder library's playing side, measured side by side with mpg123 under the same Wine and
# the same sound cards: decoding speed, CPU and memory while playing at real time, and the gap
# between two tracks. Usage: tools/bench/run-playing-bench.sh [build folder] [runs]
# (after tools/test.sh has built everything). Prints Markdown tables.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:-$repo/build}")
runs=${2:-5}
root="$build/wine"
bench="$build/win64/bin/PlaybackBench.exe"
source "$repo/tools/wine/wine-env.sh" "$root" test
source "$repo/tools/wine/virtual-display.sh"

work=$(mktemp -d /tmp/vbmp3-bench-XXXXXX)
sink_pid=""
cleanup() {
    [ -n "$sink_pid" ] && kill "$sink_pid" 2>/dev/null
    rm -rf "$work"
    stop_virtual_display
}
trap cleanup EXIT
cd "$work"
winpath() { echo "Z:${1//\//\\}"; }

# Music-like load for the codec (noise keeps every scale factor band busy), and two tones for
# the gap, whose ends are easy to find in what the sound card received.
sox -n -r 44100 -c 2 -b 16 noise.wav synth 300 pinknoise vol 0.5
lame --quiet -V 2 noise.wav long.mp3
sox noise.wav minute.wav trim 0 60
lame --quiet -V 2 minute.wav minute.mp3
sox -n -r 44100 -c 2 -b 16 a.wav synth 3 sine 440 vol 0.5
sox -n -r 44100 -c 2 -b 16 b.wav synth 3 sine 660 vol 0.5
lame --quiet -b 128 a.wav a.mp3
lame --quiet -b 128 b.wav b.mp3
rm -f ./*.wav

median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
key() { tr -d '\r' | awk -v k="$1" '$1 == k {print $2}'; }
# CPU seconds (user + system) of a command and its children, from GNU time.
cpu_of() { /usr/bin/time -f "%U %S" -o "$work/time" "$@" >/dev/null 2>&1; awk '{print $1 + $2}' "$work/time"; }

echo "## Decoding speed: $(basename long.mp3), 300 s of pink noise, lame -V 2; median of $runs runs"
echo
echo "| Decoder | CPU seconds | Times real time |"
echo "|---|---|---|"
row() { printf '| %s | %.3f | %.0f× |\n' "$1" "$2" "$(echo "300 / $2" | bc -l)"; }
for mode in decode acm; do
    for _ in $(seq "$runs"); do "$WINE" "$bench" $mode "$(winpath "$work/long.mp3")" | key cpu_seconds; done | median > "$mode.cpu"
done
row "VBMP3.DLL's playing path (frame walk, ACM codec, trim; PlaybackBench decode, under Wine)" "$(cat decode.cpu)"
row "bare ACM loop, 64 KB per conversion (PlaybackBench acm, under Wine)" "$(cat acm.cpu)"
for cpu in generic_dither auto; do
    option=(); [ "$cpu" = auto ] || option=(--cpu "$cpu")
    for _ in $(seq "$runs"); do cpu_of mpg123 -q "${option[@]}" -s long.mp3; done | median > "mpg123.cpu"
    row "mpg123 -s (to /dev/null), $cpu synthesis (Linux)" "$(cat mpg123.cpu)"
done
echo

# The paced sound card: started before, stopped after each program that plays to it.
start_sink() {
    "$repo/tools/wine/paced-sink" "$root/paced.fifo" "$work/$1.pcm" "$work/$1.log" &
    sink_pid=$!
    for _ in $(seq 50); do [ -p "$root/paced.fifo" ] && break; sleep 0.1; done
}
stop_sink() { kill "$sink_pid"; wait "$sink_pid" 2>/dev/null || true; sink_pid=""; }
# CPU seconds of Wine's own processes (wineserver and its services), this user's.
wine_cpu() {
    local total=0 pid
    for pid in $(pgrep -u "$(id -u)" -f 'wineserver|services.exe|winedevice.exe|explorer.exe|plugplay.exe|rpcss.exe|svchost.exe'); do
        total=$(awk -v t="$total" -v hz="$(getconf CLK_TCK)" '{print t + ($14 + $15) / hz}' "/proc/$pid/stat" 2>/dev/null || echo "$total")
    done
    echo "$total"
}
# Runs a command that plays to the paced sink; prints its CPU seconds, its peak resident KB and
# the CPU seconds of Wine's own processes meanwhile. The command's output goes to <name>.out.
measure_playing() {
    local name=$1
    shift
    start_sink "$name"
    local before; before=$(wine_cpu)
    HOME="$root/home-paced" /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >"$work/$name.out" 2>/dev/null
    local after; after=$(wine_cpu)
    stop_sink
    awk -v w="$(echo "$after - $before" | bc -l)" '{printf "%.2f %d %.2f\n", $1 + $2, $3, w}' "$work/time"
}

echo "## Playing a minute at real time (minute.mp3, 60 s, lame -V 2) to the paced sound card"
echo
echo "| Player | CPU seconds per minute: the library's threads | the process's other threads | whole process | Wine's own processes meanwhile | Peak resident memory, KB |"
echo "|---|---|---|---|---|---|"
# The process as a whole, then its threads apart in a second run (sampling them costs CPU).
read -r cpu kb wine < <(measure_playing play "$WINE" "$bench" play "$(winpath "$work/minute.mp3")")
measure_playing threads "$WINE" "$bench" play "$(winpath "$work/minute.mp3")" threads >/dev/null
printf '| VBMP3.DLL (PlaybackBench play, a Windows process under Wine) | %.2f | %.2f | %s | %s | %s |\n' \
    "$(key library_cpu_seconds < threads.out)" "$(key other_threads_cpu_seconds < threads.out)" "$cpu" "$wine" "$kb"
read -r cpu kb wine < <(measure_playing idle "$WINE" "$bench" idle 60)
echo "| the same Windows process idle for 60 s | – | – | $cpu | $wine | $kb |"
read -r cpu kb wine < <(measure_playing mpg123 mpg123 -q -o alsa minute.mp3)
echo "| mpg123 -o alsa (Linux) | – | – | $cpu | – | $kb |"
echo

changes=6
echo "## Gap between two tracks: $changes changes between two 3 s tones, the player's sequence"
echo
start_sink gap
HOME="$root/home-paced" "$WINE" "$bench" gap "$(winpath "$work/a.mp3")" "$(winpath "$work/b.mp3")" $changes | key restart_ms > restart.ms
stop_sink
python3 - gap.pcm gap.log restart.ms $((changes + 1)) <<'PY'
import array, statistics, sys

RATE, FRAME, TRACK = 44100, 4, 3 * 44100  # bytes per frame; frames per track
pcm = array.array("h")
pcm.frombytes(open(sys.argv[1], "rb").read())
reads = [tuple(map(float, line.split())) for line in open(sys.argv[2])]
restart = [float(line) for line in open(sys.argv[3])]
tracks = int(sys.argv[4])

def heard_at(frame):
    """When the sink played `frame`: the read of its chunk plus its place in the chunk."""
    byte, before = frame * FRAME, 0
    for seconds, total in reads:
        if total > byte:
            return seconds + (byte - before) / (RATE * FRAME)
        before = total
    raise ValueError("frame %d was never read" % frame)

def silent(frame):
    return pcm[2 * frame] == 0 and pcm[2 * frame + 1] == 0

# The tracks, trimmed sample-exact, lie one after the other with the card's silence between.
gaps, frame, frames = [], 0, len(pcm) // 2
for track in range(tracks):
    while frame < frames and silent(frame):
        frame += 1
    start = frame
    if track:
        gaps.append((heard_at(start) - heard_at(previous_end)) * 1000)
    frame = start + TRACK
    previous_end = frame  # the frame after the track's last one
print("| | median | min | max |")
print("|---|---|---|---|")
print("| gap heard at the sound card, ms (end of one track's last sample to the next's first) "
      "| %.1f | %.1f | %.1f |" % (statistics.median(gaps), min(gaps), max(gaps)))
print("| end notification to vbmp3_play's return on the window thread, ms "
      "| %.1f | %.1f | %.1f |" % (statistics.median(restart), min(restart), max(restart)))
PY
