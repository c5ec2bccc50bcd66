#!/bin/bash
# The decode tool under Wine: its WAV equals mpg123's decoding (sample for sample, within one
# LSB), and its exit codes. Usage: mp3towav-test.sh <run-under-wine> <mp3towav.exe> <files folder>
set -u
wine=$1 tool=$2 files=$3
out=$(mktemp -d /tmp/mp3towav-XXXXXX)
trap 'rm -rf "$out"' EXIT
failed=0
expect_exit() { # expected status, arguments...
    local expected=$1
    shift
    "$wine" "$tool" "$@" >/dev/null 2>&1
    local status=$?
    [ "$status" -eq "$expected" ] || { echo "mp3towav $*: exit $status, expected $expected"; failed=1; }
}

expect_exit 0 "Z:$files/vbr48.mp3" "Z:$out/vbr48.wav"
python3 - "$out/vbr48.wav" "$files/vbr48.ref.wav" <<'PY' || failed=1
import array, sys, wave
def pcm(path):
    w = wave.open(path)
    return w.getframerate(), w.getnchannels(), array.array("h", w.readframes(w.getnframes()))
(rate, channels, got), (ref_rate, ref_channels, ref) = pcm(sys.argv[1]), pcm(sys.argv[2])
if (rate, channels, len(got)) != (ref_rate, ref_channels, len(ref)):
    sys.exit("format or length differs: %s" % ((rate, channels, len(got), ref_rate, ref_channels, len(ref)),))
worst = max(abs(a - b) for a, b in zip(got, ref))
if worst > 1:
    sys.exit("samples differ by up to %d" % worst)
PY
expect_exit 1 "Z:$files/text.mp3" "Z:$out/text.wav"
expect_exit 2 "Z:$files/vbr48.mp3"
expect_exit 3 "Z:$files/vbr48.mp3" "Z:$out/no/such/folder/x.wav"
expect_exit 4 "Z:$files/changing.mp3" "Z:$out/changing.wav"
exit $failed
