# Sourced by the scripts that run Wine: the project's own prefix, Japanese locale (unless told), no add-on
# installers, no debug noise.
_hs_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# HUESMITH_WINE_DPI=144 or 192 runs Wine at that scale, in the copy of the prefix made for it.
export WINEPREFIX="${HUESMITH_WINEPREFIX:-$_hs_root/build/wineprefix}${HUESMITH_WINE_DPI:+-$HUESMITH_WINE_DPI}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# HUESMITH_WINE_LANG=en_US.UTF-8 runs Wine as an English Windows (code page 1252).
export LANG="${HUESMITH_WINE_LANG:-ja_JP.UTF-8}"
export LC_ALL="$LANG"
unset _hs_root
