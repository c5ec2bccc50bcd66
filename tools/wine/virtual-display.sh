# Sourced: starts a virtual X display and a Wine server that stays up between programs (a cold
# Wine start costs a second, a warm one a twentieth), exports DISPLAY, and stops both when the
# sourcing shell exits. Needs wine-env.sh sourced first.
# The number of the display comes through a file: a stale one from an earlier run must not be
# taken for it.
rm -f "$PLAYER_WINE_ROOT/xvfb.display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$PLAYER_WINE_ROOT/xvfb.display" \
    >/dev/null 2>&1 &
virtual_display_pid=$!
stop_virtual_display() {
    "$WINESERVER" -k 2>/dev/null || true
    kill "$virtual_display_pid" 2>/dev/null || true
}
trap stop_virtual_display EXIT
for _ in $(seq 50); do [ -s "$PLAYER_WINE_ROOT/xvfb.display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$PLAYER_WINE_ROOT/xvfb.display")"

"$WINESERVER" -p || true # already running is fine
# The first Wine program of a server starts Wine's own services, which then live as long as the
# server and keep the first program's output open: start them here with nowhere to write, or a
# test runner reading that program's output would wait for them to end.
"$WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
