#!/usr/bin/env bash
# ctest-windows.sh [CTEST ARG...]: runs the Windows tests (through Wine) with one Wine server kept
# alive for all of them; otherwise every test starts a server and the prefix's services anew.
# Run it with a display (with-display.sh); extra arguments go to ctest, e.g. -R Startup.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Subshells keep Wine's locale out of ctest's own environment.
# The same for the prefixes at 144 and 192 DPI that the layout tests run in.
scales=("" 144 192)
for dpi in "${scales[@]}"; do
  (export HUESMITH_WINE_DPI=$dpi && source "$here/wine-env.sh" && wineserver -p)
done
stop() {
  for dpi in "${scales[@]}"; do
    (export HUESMITH_WINE_DPI=$dpi && source "$here/wine-env.sh" && wineserver -k && wineserver -w) 2>/dev/null || true
  done
}
trap stop EXIT
# Start the prefixes' services now, detached from ctest: they inherit the standard streams of the
# process that starts them, and ctest waits for a test's output pipe to close.
for dpi in "${scales[@]}"; do
  (export HUESMITH_WINE_DPI=$dpi && source "$here/wine-env.sh" && wineboot) </dev/null >/dev/null 2>&1
done
cd "$here/.."
# A failed end-to-end test runs once more before it counts: under Wine, input and window timing
# occasionally lose a synthesised click or a first start. Each retry shows in the output.
ctest --preset windows --repeat until-pass:2 "$@"
