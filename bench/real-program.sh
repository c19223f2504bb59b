#!/usr/bin/env bash
# Times the real program under Wine: start-up until the main window is shown, painted and idle
# (the shipped catalogue, 10k and 100k entries, against a bare Win32 window program started the
# same way in the same rounds), then with 100k entries the show-all list refill, the colour data
# editor's opening and a slider drag. Prints figures; never fails on time.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${HUESMITH_BUILD_DIR:-$root/build/windows}" && pwd)
source "$root/scripts/wine-env.sh"
# One server for every run, so that no start pays for the server's; its output is not ours.
wineserver -p </dev/null >/dev/null 2>&1 || true
wine "$build/huesmith_bench.exe" start-up "${HUESMITH_BENCH_ROUNDS:-5}"
wine "$build/huesmith_bench.exe" at-scale
