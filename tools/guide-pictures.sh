#!/bin/bash
# Takes the pictures of the user guide (docs/guide-ja.md) again: runs the end-to-end tests that
# show what the guide shows with GUIDE_SHOTS set, on a virtual display of their own with a light
# backdrop, and copies what they saved into docs/guide/. Needs a build (tools/test.sh once);
# rebuilds only the 64-bit program. Exits non-zero if a test fails.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$repo/build"
cmake --build "$build/win64" --target VizuRE3 vbmp3
source "$repo/tools/wine/wine-env.sh" "$build/wine" test
source "$repo/tools/wine/virtual-display.sh"

# The shaped windows show the desktop through their corners. ImageMagick's display paints the
# root window, and returns 1 even when it did.
display -window root -size 1024x768 "xc:#ece8f6" || true

export GUIDE_SHOTS
GUIDE_SHOTS=$(mktemp -d)
trap 'rm -rf "$GUIDE_SHOTS"; stop_virtual_display' EXIT
(cd "$build" && ctest --output-on-failure -R '^e2e\.(startup|skin|playback|ticker|mini)$')
mkdir -p "$repo/docs/guide"
cp "$GUIDE_SHOTS"/*.png "$repo/docs/guide/"
ls -l "$repo/docs/guide"
