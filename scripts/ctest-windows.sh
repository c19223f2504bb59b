#!/usr/bin/env bash
# ctest-windows.sh [CTEST ARG...]: runs the Windows tests (through Wine) with one Wine server kept
# alive for all of them; otherwise every test starts a server and the prefix's services anew.
# Run it with a display (with-display.sh); extra arguments go to ctest, e.g. -R Startup.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Subshells keep Wine's locale out of ctest's own environment.
(source "$here/wine-env.sh" && wineserver -p)
trap '(source "$here/wine-env.sh" && wineserver -k && wineserver -w) 2>/dev/null || true' EXIT
# Start the prefix's services now, detached from ctest: they inherit the standard streams of the
# process that starts them, and ctest waits for a test's output pipe to close.
(source "$here/wine-env.sh" && wineboot) </dev/null >/dev/null 2>&1
cd "$here/.."
# A failed end-to-end test runs once more before it counts: under Wine, input and window timing
# occasionally lose a synthesised click or a first start. Each retry shows in the output.
ctest --preset windows --repeat until-pass:2 "$@"
