#!/usr/bin/env bash
# run-fuzzer.sh FUZZER SEED_DIR SECONDS: runs a libFuzzer target for a bounded time on a scratch copy
# of its seed corpus (the committed seeds stay as they are); a crash input is kept beside the build.
# HUESMITH_FUZZ_SECONDS in the environment overrides SECONDS (make fuzz).
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=${HUESMITH_FUZZ_SECONDS:-$3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$seeds"/. "$work"/ 2>/dev/null || true
artifacts=$(dirname "$fuzzer")/artifacts
mkdir -p "$artifacts"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$artifacts/$(basename "$fuzzer")-" "$work"
