#!/usr/bin/env bash
# Installs the Debian packages the build, the run and the tests need; quick when all are present.
set -euo pipefail
packages=(
  build-essential cmake ninja-build make git python3 clang
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  googletest libgtest-dev libbenchmark-dev
  wine wine64
  locales fonts-ipafont-gothic fonts-ipafont-mincho fonts-umeplus
  xvfb xdotool imagemagick x11-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
