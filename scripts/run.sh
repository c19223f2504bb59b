#!/usr/bin/env bash
# run.sh [--screenshot]: starts the built Huesmith.exe under Wine in build/run/, the working folder
# that keeps the user's catalogue and settings between runs.
# With a usable display the program runs until the user closes it. Without one (or with
# --screenshot) it runs on a virtual display: wait for the main window, take a screenshot, close the
# program through its own close command (which writes Huesmith.ini) and print the picture's path.
# HUESMITH_BUILD_DIR names another Windows build folder than build/windows.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${HUESMITH_BUILD_DIR:-$root/build/windows}" 2>/dev/null && pwd) || {
  echo "run: no Windows build folder; run 'make build' first" >&2
  exit 1
}
exe=$build/Huesmith.exe
hsctl=$build/tools/hsctl.exe
rundir=$root/build/run
shot=$rundir/huesmith.png
window_timeout_s=60
close_timeout_s=30

case "${1:-}" in
  "") screenshot=false ;;
  --screenshot) screenshot=true ;;
  *)
    echo "usage: $0 [--screenshot]" >&2
    exit 2
    ;;
esac

if [ ! -f "$root/data/Huesmith.csv" ]; then
  echo "run: the shipped catalogue data/Huesmith.csv is missing" >&2
  exit 1
fi
for file in "$exe" "$hsctl"; do
  if [ ! -f "$file" ]; then
    echo "run: $file is missing; run 'make build' first" >&2
    exit 1
  fi
done

display_usable() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }
if ! display_usable; then
  # Come back here with a private display that lives as long as this run.
  [ "$screenshot" = true ] || echo "run: no display; taking a screenshot on a virtual one" >&2
  exec "$here/with-display.sh" "$0" --screenshot
fi

# The user's catalogue is theirs once it exists: copy the shipped one only the first time.
mkdir -p "$rundir"
if [ ! -e "$rundir/Huesmith.csv" ]; then
  cp "$root/data/Huesmith.csv" "$rundir/Huesmith.csv"
fi
# The program opens Huesmith.csv and Huesmith.ini from its current folder.
cd "$rundir"

if [ "$screenshot" = false ]; then
  exec "$here/wine-run.sh" "$exe"
fi

"$here/wine-run.sh" "$exe" &
program=$!
"$here/wine-run.sh" "$hsctl" wait "$window_timeout_s" &
waiter=$!

# Whichever ends first: a program that ends before showing its window need not be waited for.
status=0
first=
wait -n -p first "$program" "$waiter" || true
if [ "$first" = "$program" ]; then
  kill "$waiter" 2>/dev/null || true
  wait "$waiter" 2>/dev/null || true
  echo "run: Huesmith ended before its main window appeared" >&2
  status=1
else
  wait "$waiter" || status=1
fi

rm -f "$shot"
import -window root "$shot"

if [ "$status" -eq 0 ]; then
  "$here/wine-run.sh" "$hsctl" close "$close_timeout_s" || status=1
fi
if [ "$status" -ne 0 ] && kill -0 "$program" 2>/dev/null; then
  kill "$program" 2>/dev/null || true
fi
wait "$program" 2>/dev/null || true

echo "$shot"
exit "$status"
