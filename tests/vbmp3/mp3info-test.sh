#!/bin/sh
# mp3info prints UTF-8 title, artist and length for each file, and exits non-zero when a file
# cannot be read. Usage: mp3info-test.sh MP3INFO
set -u
mp3info=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
status=0
fail() { echo "FAIL: $*"; status=1; }

sox -n -r 44100 -c 2 -b 16 tone.wav synth 3.5 sine 440 2>/dev/null && lame --quiet -b 128 tone.wav tone.mp3 &&
  eyeD3 --quiet --encoding utf16 -t "夜明け〜前" -a "Artist" tone.mp3 >/dev/null 2>&1 ||
  { echo "cannot make the test file"; exit 1; }
printf 'not audio' > text.mp3

out=$("$mp3info" tone.mp3)
[ $? -eq 0 ] || fail "exit status for a readable file"
echo "$out" | grep -qx "title: 夜明け～前" || fail "title in UTF-8 (wave dash shown as the full-width tilde): $out"
echo "$out" | grep -qx "artist: Artist" || fail "artist: $out"
echo "$out" | grep -qx "length: 0:00:03 (3 s)" || fail "length: $out"

out=$("$mp3info" tone.mp3 text.mp3 missing.mp3 2>err.txt)
[ $? -eq 1 ] || fail "exit status 1 when a file cannot be read"
[ "$(echo "$out" | grep -c '^file: ')" -eq 1 ] || fail "only the readable file printed: $out"
[ "$(grep -c 'cannot read' err.txt)" -eq 2 ] || fail "one message per unreadable file: $(cat err.txt)"

"$mp3info" >/dev/null 2>&1
[ $? -eq 2 ] || fail "usage error without arguments"

[ $status -eq 0 ] && echo "mp3info: all checks passed"
exit $status
