#!/usr/bin/env bash
# with-display.sh CMD [ARG...]: runs CMD with an X display and returns its exit code. A reachable
# $DISPLAY is used as it is; otherwise a private Xvfb lives exactly as long as CMD, and the Wine
# programs CMD left behind end with it.
set -euo pipefail
if [ $# -eq 0 ]; then
  echo "usage: $0 CMD [ARG...]" >&2
  exit 2
fi
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# -displayfd lets Xvfb pick a free display number itself, so parallel runs never race for one.
numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
xvfb=$!

stop() {
  # Wine's desktop and programs talk to this display: end them before it goes away.
  (source "$here/wine-env.sh" && wineserver -k && wineserver -w) 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$numfile"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

for _ in $(seq 100); do
  [ -s "$numfile" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "with-display: Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
DISPLAY=":$(head -n1 "$numfile")"
export DISPLAY
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
if ! xdpyinfo >/dev/null 2>&1; then
  echo "with-display: Xvfb on $DISPLAY does not answer" >&2
  exit 1
fi

status=0
"$@" || status=$?
exit "$status"
