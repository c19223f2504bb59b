#!/usr/bin/env bash
# Runs every native benchmark program, then the timing scripts for the real program
# (bench/*.sh) on a display. Benchmarks print figures; only a crash fails this.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here/.."
status=0
if [ -d build/native/bench ]; then
  while IFS= read -r -d '' program; do
    echo "== $program"
    "$program" || status=1
  done < <(find build/native/bench -name CMakeFiles -prune -o -type f -executable -print0 | sort -z)
fi
for script in bench/*.sh; do
  [ -e "$script" ] || continue
  echo "== $script"
  scripts/with-display.sh "$script" || status=1
done
exit "$status"
