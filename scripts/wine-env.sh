# Sourced by the scripts that run Wine: the project's own prefix, Japanese locale, no add-on
# installers, no debug noise.
_hs_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${HUESMITH_WINEPREFIX:-$_hs_root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
unset _hs_root
