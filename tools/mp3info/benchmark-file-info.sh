#!/bin/bash
# Time to read the information of a one-hour MP3 file, with and without a Xing header, side by
# side with `cat` of the same file and with ffprobe. Prints a Markdown table.
# Usage: benchmark-file-info.sh MP3INFO [RUNS]
#   MP3INFO  the native mp3info of a build without sanitizers (CMAKE_BUILD_TYPE=Release)
#   RUNS     timed runs of each command (default 11) after one untimed run; the median is
#            reported, with the file in the page cache.
# Needs sox, lame and ffmpeg.
set -euo pipefail
mp3info=$(realpath "$1")
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# One hour of variable bit rate audio (lame -V 2, with its Xing header and LAME tag), and the
# same frames without the header, so that the length must come from walking the frames.
# Both are written sequentially: lame rewrites its first frame at the end, and cat then reads its
# own output file about half as fast from the page cache, which would blur the comparison.
sox -n -r 44100 -c 2 -b 16 -t wav - synth 3600 pinknoise vol 0.3 2>/dev/null |
    lame --quiet -V 2 - encoded.mp3
cp encoded.mp3 xing.mp3
ffmpeg -v error -i xing.mp3 -c:a copy -map_metadata -1 -id3v2_version 0 -write_xing 0 plain.mp3
rm encoded.mp3

median_ms() {  # runs the command $runs times, prints the median wall time in milliseconds
    "$@" >/dev/null 2>&1  # warm-up, not timed
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)] / 1000}'
}

max_rss_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

echo "| file | command | median wall time (ms) | peak memory (KiB) |"
echo "|---|---|---|---|"
for file in xing.mp3 plain.mp3; do
    size_mb=$(( $(stat -c %s "$file") / 1000000 ))
    length=$("$mp3info" "$file" | sed -n 's/^length: //p')
    label="$file ($size_mb MB, $length)"
    echo "| $label | mp3info | $(median_ms "$mp3info" "$file") | $(max_rss_kb "$mp3info" "$file") |"
    echo "| $label | cat > /dev/null | $(median_ms cat "$file") | $(max_rss_kb cat "$file") |"
    probe=(ffprobe -v error -show_entries format=duration -of csv=p=0 "$file")
    echo "| $label | ffprobe (duration $("${probe[@]}") s) | $(median_ms "${probe[@]}") | $(max_rss_kb "${probe[@]}") |"
done
