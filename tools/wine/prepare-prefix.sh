#!/bin/bash
# Prepares a Wine prefix of one build folder, once. Usage: prepare-prefix.sh <root> test|run
#   <root>/test-prefix  the tests' prefix: Japanese fonts for the faces our resources name,
#                       ALSA as the audio driver, no crash dialog (a crash must fail a test, not
#                       wait for a person), and no window-manager management of windows: the
#                       virtual display has no window manager, and Wine would wait two seconds
#                       for one at every hide of a managed window;
#   <root>/run-prefix   the same for a person on a real desktop, windows managed as usual;
#   <root>/home-null    a HOME whose ALSA default device discards the sound (fast tests);
#   <root>/home-paced   a HOME whose ALSA default device writes into <root>/paced.fifo, which
#                       tools/wine/paced-sink drains at real time (timing tests).
# The program itself, started by a person, runs with their own HOME and real sound card.
set -euo pipefail
root=$(realpath -m "$1")
kind=$2
mkdir -p "$root"
here=$(dirname "$(realpath "$0")")
source "$here/wine-env.sh" "$root" "$kind"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating Wine prefix $WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
fi

# Registry settings, written as a UTF-16 .reg file so the Japanese face names survive.
reg="$root/$kind-settings.reg"
printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' \
    '"ＭＳ ゴシック"="IPAGothic"' \
    '"MS UI Gothic"="IPAPGothic"' \
    '"MS PGothic"="IPAPGothic"' \
    '"MS Gothic"="IPAGothic"' \
    '"MS Shell Dlg"="IPAPGothic"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' \
    '"Audio"="alsa"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
    '"ShowCrashDialog"=dword:00000000' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    "\"Managed\"=\"$([ "$kind" = test ] && echo N || echo Y)\"" \
    '' | iconv -f UTF-8 -t UTF-16 > "$reg"
"$WINE" regedit /S "$reg" >/dev/null 2>&1
"$WINESERVER" -w

mkdir -p "$root/home-null" "$root/home-paced"
cat > "$root/home-null/.asoundrc" <<'CONF'
pcm.!default { type null }
ctl.!default { type hw card 0 }
CONF
cat > "$root/home-paced/.asoundrc" <<CONF
# Everything played is written as raw 16-bit stereo 44.1 kHz into the FIFO; the reader at the
# other end drains it at real time, which paces the program's output.
pcm.!default {
    type file
    slave.pcm "null"
    file "$root/paced.fifo"
    format "raw"
}
ctl.!default { type hw card 0 }
CONF
touch "$root/$kind-prefix.stamp"
