# Sourced by play.sh, test.sh and make-packages.sh: installs what is missing, builds everything
# in ./build (or only $setup_target, when the sourcing script sets it).
# Idempotent: a second run installs nothing and rebuilds only what changed.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$repo/build"

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format-14 googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686 mingw-w64-tools
    # running under Wine, Japanese locale and fonts, a virtual display, real X input
    wine wine64 locales fonts-ipafont-gothic xvfb xauth x11-utils xdotool imagemagick
    libasound2-plugins alsa-utils python3
    # making and checking MP3 files in tests
    lame mpg123 sox libsox-fmt-mp3 id3v2 eyed3 ffmpeg
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Run this command as root (or with sudo) to install them." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Without the glibc locale, Wine runs with code page 932 but cannot open Japanese file names.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "The ja_JP.UTF-8 locale is missing; run this command as root to generate it." >&2
        exit 1
    fi
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -G Ninja -S "$repo" -B "$build" -DPLAYER_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" ${setup_target:+--target "$setup_target"}
