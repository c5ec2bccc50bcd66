#!/bin/bash
# A long fuzzing run of one target, niced, one job, outside the test command; the corpus it
# grows is the one the tests' minute starts from next time. Findings (crash-*, leak-*, timeout-*)
# land in the run's folder. Usage, after tools/test.sh has built everything:
#   tools/fuzz/long-run.sh fileinfo|frames HOURS [build folder]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
target=${1:?fileinfo or frames}
hours=${2:?hours}
build=$(realpath "${3:-$repo/build}")
fuzzer="$build/fuzz/bin/${target}_fuzzer"
[ -x "$fuzzer" ] || { echo "no $fuzzer: build first (tools/test.sh)" >&2; exit 2; }

run="$build/fuzz-runs/$target-$(date -u +%Y%m%dT%H%M%SZ)"
mkdir -p "$run"
# The binary is copied, so that a rebuild during the run changes nothing under it.
cp "$fuzzer" "$run/"
cd "$run"
echo "fuzzing $target for $hours h in $run"
seconds=$(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')
nice -n 19 "$repo/tests/vbmp3/fuzz/run-fuzzer.sh" "./${target}_fuzzer" "$seconds" \
    "$build/fuzz-corpus/$target" 2>&1 | tee run.log | grep -E '^#[0-9]+.*(pulse|DONE)|^==|^SUMMARY|^Done' || true
ls crash-* leak-* timeout-* oom-* 2>/dev/null && { echo "findings above" >&2; exit 1; }
echo "no findings in $hours h"
