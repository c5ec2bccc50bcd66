#!/bin/sh
# Makes the MP3 files that the Wine tests of VBMP3.DLL read, with Linux tools (Wine cannot run
# them): a tagged CBR file, an untagged VBR file, a Shift-JIS tagged file, a text file.
# Usage: make-sample-files.sh FOLDER
set -eu
out=$1
rm -rf "$out"
mkdir -p "$out"
cd "$out"
sox -n -r 44100 -c 2 -b 16 tone.wav synth 3.5 sine 440
lame --quiet -b 128 tone.wav tagged.mp3
eyeD3 --quiet --to-v2.3 --encoding utf16 -t "夜明け〜前" -a "歌う人" tagged.mp3 >/dev/null
sox -n -r 44100 -c 2 -b 16 tone.wav synth 2.99 sine 440
lame --quiet -V 2 tone.wav vbr.mp3
# Shift-JIS bytes in a Latin-1 frame, as Japanese taggers wrote them: "表示" and "ソフト".
lame --quiet -b 64 tone.wav sjis.mp3
id3v2 -t "$(printf '\225\134\216\246')" -a "$(printf '\203\134\203\164\203\147')" sjis.mp3
printf 'This is not audio.\r\n' > text.mp3
rm -f tone.wav
