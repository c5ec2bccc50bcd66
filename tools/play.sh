#!/bin/bash
# Builds the player and starts it on the current X display, under Wine with a Japanese locale.
# Its INI file (playlist and window settings) is build/win64/bin/VizuRE3.INI.
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: the player is a desktop program and needs an X display, but DISPLAY is" >&2
    echo "not set. Run this command from a desktop session (or set DISPLAY, e.g. DISPLAY=:0)." >&2
    echo "To build and test without a display, run tools/test.sh." >&2
    exit 1
fi
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
"$repo/tools/wine/prepare-prefix.sh" "$build/wine" run
source "$repo/tools/wine/wine-env.sh" "$build/wine" run
cd "$build/win64/bin"
exec "$WINE" VizuRE3.exe "$@"
