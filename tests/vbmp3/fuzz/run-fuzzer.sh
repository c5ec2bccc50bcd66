#!/bin/sh
# Runs the file-information fuzzer for a bounded time on a seed corpus made here with lame, sox,
# id3v2 and eyeD3, keeping what it learns in CORPUS between runs.
# Usage: run-fuzzer.sh FUZZER SECONDS CORPUS
set -eu
fuzzer=$1 seconds=$2 corpus=$3
here=$(cd "$(dirname "$0")" && pwd)
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$corpus"

tone() { sox -n -r "$1" -c "$2" -b 16 "$seeds/tone.wav" synth 0.2 sine 440 2>/dev/null; }
tone 44100 2; lame --quiet -b 128 "$seeds/tone.wav" "$seeds/cbr.mp3"
tone 44100 2; lame --quiet -V 4 "$seeds/tone.wav" "$seeds/vbr.mp3"
tone 22050 1; lame --quiet -b 32 "$seeds/tone.wav" "$seeds/mpeg2.mp3"
tone 8000 1; lame --quiet -b 8 "$seeds/tone.wav" "$seeds/mpeg25.mp3"
lame --quiet -t -b 128 "$seeds/tone.wav" "$seeds/noinfo.mp3"
cp "$seeds/cbr.mp3" "$seeds/id3v23.mp3"; id3v2 -t "Title" -a "Artist" "$seeds/id3v23.mp3"
cp "$seeds/vbr.mp3" "$seeds/id3v24.mp3"
eyeD3 --quiet --to-v2.4 --encoding utf16 -t "Title" -a "Artist" "$seeds/id3v24.mp3" >/dev/null 2>&1
cp "$seeds/mpeg2.mp3" "$seeds/id3v1.mp3"; eyeD3 --quiet --to-v1.1 -t "Title" -a "Artist" "$seeds/id3v1.mp3" >/dev/null 2>&1
rm -f "$seeds/tone.wav"

exec "$fuzzer" -max_total_time="$seconds" -dict="$here/fileinfo.dict" -max_len=16384 \
    -print_final_stats=1 "$corpus" "$seeds"
