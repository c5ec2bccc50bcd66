#!/bin/bash
# Runs a Windows test program with the sound card that plays at real time: starts
# tools/wine/paced-sink on the build's FIFO, runs the program with PLAYER_AUDIO=paced and stops
# the sink. Usage: run-with-paced-sink.sh <wine root> <program and arguments...>
# (the test's CROSSCOMPILING_EMULATOR, in front of run-under-wine).
set -u
root=$1
shift
here=$(dirname "$(realpath "$0")")
out=$(mktemp -d /tmp/vbmp3-paced-XXXXXX)
"$here/../../../tools/wine/paced-sink" "$root/paced.fifo" "$out/sink.pcm" "$out/sink.log" &
sink=$!
for _ in $(seq 50); do [ -p "$root/paced.fifo" ] && break; sleep 0.1; done
# What the sink received, for tests that check the sound itself (it is complete once the program
# has closed the device).
PACED_SINK_PCM="$out/sink.pcm" PACED_SINK_LOG="$out/sink.log" PLAYER_AUDIO=paced "$@"
status=$?
kill "$sink"
wait "$sink" 2>/dev/null
rm -rf "$out"
exit $status
