#!/bin/bash
# Runs a Windows test program on a system without a sound card: a HOME whose ALSA default
# device cannot be opened, so that Wine finds no output device.
# Usage: run-without-sound-card.sh <wine root> <program and arguments...>
# (the test's CROSSCOMPILING_EMULATOR, in front of run-under-wine).
set -eu
root=$1
shift
mkdir -p "$root/home-nodevice"
cat > "$root/home-nodevice/.asoundrc" <<'CONF'
pcm.!default { type hw card 99 }
ctl.!default { type hw card 99 }
CONF
PLAYER_AUDIO=nodevice exec "$@"
