#!/bin/sh
# Checks a Windows build's bin folder: VBMP3.dll exists for the expected architecture and exports
# exactly the sixteen undecorated names of the decoder library. Prints the exports it found.
# Usage: check-windows-build.sh BIN_DIR i386|x86-64
set -u
# Tool output is parsed below: keep it in English whatever the caller's locale.
export LC_ALL=C
bin=${1:?usage: check-windows-build.sh BIN_DIR i386|x86-64}
arch=${2:?usage: check-windows-build.sh BIN_DIR i386|x86-64}
case $arch in
  i386) objdump=i686-w64-mingw32-objdump ;;
  x86-64) objdump=x86_64-w64-mingw32-objdump ;;
  *) echo "unknown architecture '$arch' (i386 or x86-64)"; exit 2 ;;
esac
failed=0
fail() { echo "FAIL: $*"; failed=1; }

dll=$bin/VBMP3.dll
expected="vbmp3_callback vbmp3_close vbmp3_free vbmp3_getFileInfo vbmp3_getState vbmp3_init
vbmp3_open vbmp3_pause vbmp3_play vbmp3_restart vbmp3_startCallback vbmp3_stop vbmp3_stopCallback
vbmp3_getPosition vbmp3_seek vbmp3_setVolume"
if [ ! -f "$dll" ]; then
  fail "$dll does not exist"
else
  dump=$("$objdump" -p "$dll") || fail "$objdump cannot read $dll"
  echo "$dump" | grep -q "file format pei-$arch\$" || fail "$dll is not a pei-$arch file"
  # The export name table: lines "[   n] name" after "[Ordinal/Name Pointer] Table".
  exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
            sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
  echo "VBMP3.dll ($arch) exports:"
  echo "$exports" | sed 's/^/  /'
  [ "$exports" = "$(echo $expected | tr ' ' '\n' | sort)" ] ||
    fail "VBMP3.dll must export exactly: $(echo $expected)"
fi

[ $failed -eq 0 ] && echo "OK: $bin ($arch)"
exit $failed
