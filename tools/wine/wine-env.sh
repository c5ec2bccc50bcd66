# Sourced: the environment under which this build runs Windows programs. Arguments: the root
# folder that prepare-prefix.sh prepares, and which prefix: "test" (default) or "run".
export PLAYER_WINE_ROOT="$(realpath -m "$1")"
export WINEPREFIX="$PLAYER_WINE_ROOT/${2:-test}-prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers (dialogs nobody can answer); no HID device host (idle CPU).
export WINEDLLOVERRIDES="mscoree,mshtml=;winebus.sys=d"
# ANSI code page 932; the glibc locale must exist for Japanese file names to open.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# The 64-bit loader directly: the "wine" wrapper would pick the 32-bit one.
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
