#!/bin/bash
# Whether this machine can run 32-bit Windows code under Wine 10 at all. Wine's WoW64 mode runs
# 32-bit code inside a 64-bit process and makes its first 32-bit system call through the kernel's
# 32-bit entry; a kernel or hypervisor that lacks it ends every 32-bit program at once (the
# kernel logs "general protection fault ... in ntdll.so"), however the program is built.
# Builds a program that only returns 7 and runs it in the given Wine 10 prefix root.
# Exit status 0 when it returns 7; 1 with the reason on stdout otherwise.
# Usage: wine10-runs-32-bit.sh WINE10_PREFIX_ROOT
set -euo pipefail
root=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
probe="$root/returns-7-32.exe"
printf 'int main(void) { return 7; }\n' | i686-w64-mingw32-gcc -x c -O1 -o "$probe" -
status=0
cd "$root" # Wine finds the program by its plain name in the working folder, inside and out
PLAYER_WINE10_BINDS="$root" timeout 120 "$here/wine10-enter" /bin/bash -c '
    source "$1/wine-env.sh" "$2" test
    "$WINE" "$3" >/dev/null 2>&1' _ "$here" "$root" "$(basename "$probe")" || status=$?
[ "$status" -eq 7 ] && exit 0
echo "a 32-bit program that returns 7 ended with status $status under Wine 10"
exit 1
