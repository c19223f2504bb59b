#!/usr/bin/env bash
# Times the real program under Wine: start-up until the main window is shown, painted and idle
# (the shipped catalogue, 10k and 100k entries, against a bare Win32 window program started the
# same way in the same rounds), then with 100k entries the show-all list refill, the colour data
# editor's opening and a slider drag; then how soon the eyedropper's magnifier follows the pointer,
# and the program's memory while the pointer keeps moving for HUESMITH_BENCH_SOAK_SECONDS (default
# 600). Prints figures; never fails on time.
#
# Wine runs on one CPU (HUESMITH_BENCH_CPU, default the first one this process may use; "none"
# leaves it free). Every Wine server request is a round trip between the program and wineserver;
# on a multi-CPU virtual machine each one that wakes the other process on another CPU costs tens of
# microseconds, several times the request itself, which would swamp what the program does.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${HUESMITH_BUILD_DIR:-$root/build/windows}" && pwd)
source "$root/scripts/wine-env.sh"

cpu=${HUESMITH_BENCH_CPU:-$(awk '/^Cpus_allowed_list/ { split($2, first, /[-,]/); print first[1] }' /proc/self/status)}
pin=()
if [ "$cpu" != none ] && command -v taskset >/dev/null; then
  pin=(taskset -c "$cpu")
  echo "Wine server and programs on CPU $cpu (HUESMITH_BENCH_CPU=none to leave them free)"
else
  echo "Wine server and programs on any CPU"
fi

# One server for every run, started here so that it runs where the programs run and no start pays
# for it; a server already running for the prefix is ended first.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
"${pin[@]}" wineserver -p </dev/null >/dev/null 2>&1 || true
"${pin[@]}" wine "$build/huesmith_bench.exe" start-up "${HUESMITH_BENCH_ROUNDS:-5}"
"${pin[@]}" wine "$build/huesmith_bench.exe" at-scale
"${pin[@]}" wine "$build/huesmith_bench.exe" magnifier "${HUESMITH_BENCH_SOAK_SECONDS:-600}"
