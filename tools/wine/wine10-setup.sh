#!/bin/bash
# Makes (once) and checks the environment in which the 32-bit build runs: a minimal Debian 13
# ("trixie") root with Wine 10, whose WoW64 mode runs 32-bit Windows programs inside a 64-bit
# Unix process (these machines cannot execute 32-bit Linux code, so Debian 12's wine32 is of no
# use). Debian 13 ships the 32-bit PE DLLs only in libwine:i386, which cannot be installed beside
# the 64-bit Wine: they are unpacked from its package into the folder where WoW64 looks for them.
#
# The root lives outside the checkout, so every clone and every build folder shares it:
#   $PLAYER_WINE10_ROOT (default /var/cache/vizure3/wine10-trixie), about 2 GB.
# Made from nothing in about 2 to 3 minutes (downloads included); later runs only check a stamp.
# The host's apt sources are not touched: debootstrap and apt run inside the new root.
# Remove it with: rm -rf --one-file-system /var/cache/vizure3/wine10-trixie
# (no test may be running: tools/wine/wine10-enter bind-mounts into it while it runs).
set -euo pipefail

root=${PLAYER_WINE10_ROOT:-/var/cache/vizure3/wine10-trixie}
here=$(dirname "$(realpath "$0")")
mirror=http://deb.debian.org/debian
# Raise this when the making of the base below changes, so an existing root is made again.
recipe=1
stamp="$root/.vizure3-ready-$recipe"
# Wine 10 (64-bit, with the WoW64 layer), the Japanese fonts the prefix maps the resource faces
# to, the locale that lets Wine open Japanese file names, and xdotool, which the media-key tests
# start from inside Wine. A package added here is installed into an existing root.
packages=(wine wine64 libwine fonts-ipafont-gothic locales xdotool)

missing_packages() {
    for p in "${packages[@]}"; do
        chroot "$root" dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            echo "$p"
    done
}
[ -f "$stamp" ] && [ -z "$(missing_packages)" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "The 32-bit tests need a Debian 13 root with Wine 10 in $root, which only root can" \
         "make (debootstrap, chroot). Run tools/test.sh as root once." >&2
    exit 1
fi

mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9
inside() { "$here/wine10-enter" "$@"; }
if [ -f "$stamp" ]; then
    missing=$(missing_packages | xargs)
    [ -z "$missing" ] && exit 0
    echo "Installing into the Wine 10 root: $missing"
    inside /bin/sh -euc "export DEBIAN_FRONTEND=noninteractive; apt-get update -qq;
        apt-get install -y -qq --no-install-recommends $missing >/dev/null; apt-get clean" \
        2>&1 | grep -v '^debconf' >&2 || true
    [ -z "$(missing_packages)" ] || { echo "Could not install $missing into $root" >&2; exit 1; }
    exit 0
fi

if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap \
        >/dev/null
fi

echo "Making the 32-bit tests' Wine 10 root in $root (once; about 2 GB)"
started=$(date +%s)
rm -rf --one-file-system "$root"
debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -20 "$root.log" >&2; exit 1; }

inside /bin/sh -euc '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends '"${packages[*]}"' >/dev/null
    sed -i "s/^# *\(ja_JP.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^ja_JP.UTF-8 UTF-8" /etc/locale.gen || echo "ja_JP.UTF-8 UTF-8" >> /etc/locale.gen
    locale-gen >/dev/null
    # The 32-bit PE DLLs of the same Wine version, into the 64-bit Wine.
    version=$(dpkg-query -W -f="\${Version}" libwine)
    dpkg --add-architecture i386
    apt-get update -qq
    cd /root && rm -rf libwine-i386 && mkdir libwine-i386 && cd libwine-i386
    apt-get download -qq -o APT::Sandbox::User=root "libwine:i386=$version"
    dpkg-deb -x libwine_*_i386.deb unpacked
    cp -a unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/. \
        /usr/lib/x86_64-linux-gnu/wine/i386-windows/
    cd /root && rm -rf libwine-i386
    apt-get clean
' 2>&1 | tee -a "$root.log" | grep -v '^debconf' >&2 || true

# What the tests rely on, checked rather than assumed.
dlls=$(find "$root/usr/lib/x86_64-linux-gnu/wine/i386-windows" -name '*.dll' | wc -l)
if [ ! -x "$root/usr/lib/wine/wine64" ] || [ "$dlls" -lt 100 ] || [ -n "$(missing_packages)" ] ||
    ! grep -q '^ja_JP.UTF-8' <(chroot "$root" locale -a 2>/dev/null | sed 's/utf8/UTF-8/'); then
    echo "The Wine 10 root in $root is incomplete (packages, $dlls 32-bit DLLs, the ja_JP locale):" \
         "see $root.log" >&2
    exit 1
fi
touch "$stamp"
echo "The Wine 10 root is ready ($(($(date +%s) - started)) s, $(du -sh --one-file-system "$root" | cut -f1))"
