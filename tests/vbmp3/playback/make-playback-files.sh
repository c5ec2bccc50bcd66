#!/bin/sh
# Makes the MP3 files that the playing side's Wine tests play, with the Linux tools (Wine cannot
# run them), and beside each playable one its reference decoding <name>.ref.wav by mpg123 and,
# where the file was encoded from one, its source <name>.src.wav.
#
# The reference decodes with mpg123's "generic_dither" synthesis: Wine's MPEG Layer-3 ACM codec
# is libmpg123 built with that synthesis alone, so the two differ by float rounding (at most one
# LSB); mpg123's default synthesis differs from it by up to two LSB on Debian 12.
# Usage: make-playback-files.sh FOLDER
set -eu
out=$1
rm -rf "$out"
mkdir -p "$out"
cd "$out"

encode() { # name seconds rate channels lame-options...
    name=$1 seconds=$2 rate=$3 channels=$4
    shift 4
    sox -n -r "$rate" -c "$channels" -b 16 "$name.src.wav" synth "$seconds" sine 440 sine 660 \
        vol 0.4
    lame --quiet "$@" "$name.src.wav" "$name.mp3"
}
reference() { mpg123 -q --cpu generic_dither -w "$1.ref.wav" "$1.mp3"; }

encode cbr44 3.3 44100 2 -b 128
encode vbr48 2.2 48000 2 -V 2
encode mono22 2.5 22050 1 -b 64          # MPEG-2
encode mono8 3.1 8000 1 -b 32            # MPEG-2.5
encode notag 2 44100 2 -t -b 128         # no summary frame, no LAME tag: nothing is trimmed
encode timing4 4 44100 2 -b 128          # the paced sink's format
encode vbrbare 3 44100 2 -t -V 4         # VBR without a Xing header: frames found one by one
# No samples at all: lame still writes its summary frame and one frame, whose samples the
# trimming of the encoder delay and padding takes away, so the file gives no sound.
sox -n -r 44100 -c 2 -b 16 silent.src.wav trim 0 0
lame --quiet -b 128 silent.src.wav silent.mp3
cp cbr44.mp3 tagged.mp3
id3v2 -t "Title" -a "Artist" tagged.mp3  # ID3v2 in front, ID3v1 behind
for name in cbr44 vbr48 mono22 mono8 notag timing4 vbrbare tagged; do reference $name; done

# Damage: 777 bytes of junk after audio frame 39, and audio frame 79 cut to half its size
# (frames[0] is the summary frame).
python3 - cbr44.mp3 damaged.mp3 <<'PY'
import random, sys
data = open(sys.argv[1], "rb").read()
frames, pos = [], 0
while pos + 4 <= len(data) and data[pos] == 0xFF:
    size = 144 * 128000 // 44100 + ((data[pos + 2] >> 1) & 1)
    frames.append(data[pos:pos + size])
    pos += size
random.seed(7)
junk = bytes(random.choice(range(0, 0xF0)) for _ in range(777))
frames[40] += junk
frames[80] = frames[80][: len(frames[80]) // 2]
open(sys.argv[2], "wb").write(b"".join(frames) + data[pos:])
PY

# Cut off halfway, as a download that stopped: the summary frame still promises the whole file.
head -c $(($(wc -c < cbr44.mp3) / 2)) cbr44.mp3 > truncated.mp3

# The sample rate and channel count change in the middle: two encodings one after the other.
encode first 1 44100 2 -b 128
encode second 1 22050 1 -b 64
cat first.mp3 second.mp3 > changing.mp3
reference first
reference second

ffmpeg -loglevel error -f lavfi -i sine=frequency=440:duration=1 -c:a mp2 -f mp2 layer2.mp3
printf 'This is not audio.\r\n' > text.mp3
: > empty.mp3
