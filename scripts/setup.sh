#!/usr/bin/env bash
# Makes this machine ready to build, run and test Huesmith: Debian packages, the Japanese locale
# and the project's Wine prefix. Each step is skipped when its result is already there, so a
# re-run takes well under a second.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$here/setup-packages.sh"

# Wine takes its ANSI code page from the glibc locale: ja_JP.UTF-8 gives 932, the program's own;
# en_US.UTF-8 gives 1252, the code page of an English or European Windows, for the tests that run
# the program there.
missing=0
for name in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qix "$name\.utf-\?8"; then
    echo "setup: generating the $name.UTF-8 locale"
    if grep -q "^# *$name\.UTF-8 UTF-8" /etc/locale.gen; then
      sed -i "s/^# *\($name\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$name\.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$name.UTF-8 UTF-8" >>/etc/locale.gen
    fi
    missing=1
  fi
done
if [ "$missing" = 1 ]; then locale-gen >/dev/null; fi

source "$here/wine-env.sh"

# Registry settings of the prefix. Japanese font names map to free fonts with close metrics: the
# dialogs' "ＭＳ Ｐゴシック" to UmePlus P Gothic, whose 12-pixel line at 9 pt matches the real font so
# that dialog units come out as on Windows (IPA P Gothic's 13-pixel line makes the main form 13 px
# taller and its controls run into the preview strip); "ＭＳ ゴシック" to IPA Gothic. One virtual
# desktop for every program, so that Wine itself manages windows,
# focus and input the same way with or without a window manager.
registry='Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="UmePlus P Gothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="UmePlus P Gothic"
"MS UI Gothic"="UmePlus P Gothic"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
'

# The same prefix at 144 and 192 DPI (150 % and 200 %) for the layout tests: Wine takes its scale
# from the registry when its server starts, so each scale has a prefix of its own. A copy of the
# finished prefix, made again whenever the prefix's settings change.
scaled_prefixes() {
  local dpi scaled
  for dpi in 144 192; do
    scaled="$WINEPREFIX-$dpi"
    if [ -f "$scaled/.huesmith-prefix" ] && cmp -s "$stamp" "$scaled/.huesmith-prefix"; then continue; fi
    echo "setup: the Wine prefix at $dpi DPI"
    rm -rf "$scaled"
    cp -a "$WINEPREFIX" "$scaled"
    sed -i "s/\"LogPixels\"=dword:[0-9a-f]*/\"LogPixels\"=dword:$(printf %08x "$dpi")/" \
      "$scaled/system.reg" "$scaled/user.reg"
  done
}

# The stamp holds a checksum of the settings, so that changing them above re-applies them.
stamp="$WINEPREFIX/.huesmith-prefix"
want=$(printf '%s' "$registry" | sha256sum | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  scaled_prefixes
  exit 0
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # A 64-bit-only Wine reports the missing 32-bit rundll32 during the set-up: harmless here.
  wineboot -i 2>&1 | { grep -v 'syswow64.*rundll32' || true; }
  # The registry reaches the disk only when the server ends.
  wineserver -w
fi

echo "setup: applying the prefix's registry settings"
regfile=$(mktemp --suffix=.reg)
trap 'rm -f "$regfile"' EXIT
# regedit reads a version 5 file as UTF-16LE with a byte-order mark; read as ANSI the Japanese key
# names would be taken as code page 932 bytes and land garbled.
{ printf '\xff\xfe'; printf '%s' "${registry//$'\n'/$'\r\n'}" | iconv -f UTF-8 -t UTF-16LE; } >"$regfile"
wine regedit /S "$(winepath -w "$regfile")"

# Check that the Japanese names landed as written. reg prints to a pipe in the ANSI code page.
substitutes=$(wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' |
  iconv -f CP932 -t UTF-8 | tr -d '\r')
for name in 'ＭＳ ゴシック' 'ＭＳ Ｐゴシック'; do
  if ! grep -qF "$name" <<<"$substitutes"; then
    echo "setup: font substitute \"$name\" is missing from the Wine registry" >&2
    exit 1
  fi
done
wineserver -w
printf '%s\n' "$want" >"$stamp"
scaled_prefixes
