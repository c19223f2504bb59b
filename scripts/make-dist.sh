#!/usr/bin/env bash
# make-dist.sh [BUILD_DIR [OUT_DIR]]: packs the release zip Huesmith-<version>-win64.zip from a
# Windows build (default build/windows) into OUT_DIR (default build/dist): Huesmith.exe, the
# default Huesmith.csv, the help document Huesmith.htm and README.txt. The version is the one in
# the program's version resource.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build/windows}")
out=$(realpath -m "${2:-$root/build/dist}")

fail() {
  echo "make-dist: $*" >&2
  exit 1
}

version=$(sed -n 's/^ *VALUE "ProductVersion", "\([^"]*\)".*/\1/p' "$root/res/Huesmith.rc" | head -n1)
[ -n "$version" ] || fail "no ProductVersion in res/Huesmith.rc"

exe=$build/Huesmith.exe
[ -f "$exe" ] || fail "$exe is missing: build the Windows side first (cmake --build --preset windows)"
# Unpacked anywhere, the program must run alone: no DLL of the toolchain may be needed.
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v objdump || true)
if [ -n "$objdump" ]; then
  toolchain_dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: \(lib.*\.dll\)$/\1/Ip')
  [ -z "$toolchain_dlls" ] || fail "$exe needs $toolchain_dlls: link it statically"
fi

# The help document as the build put it beside the program, else its source.
help=$build/Huesmith.htm
[ -f "$help" ] || help=$root/data/Huesmith.htm
[ -f "$help" ] || fail "the help document Huesmith.htm is neither in $build nor in data/"

mkdir -p "$out"
zip=$out/Huesmith-$version-win64.zip
# Notepad on any Windows reads the read-me as UTF-8 with a byte-order mark and CR LF line ends.
python3 - "$zip" "$exe" "$root/data/Huesmith.csv" "$help" "$root/dist/README.txt" <<'PY'
import os, sys, time, zipfile

zip_path, exe, csv, help_doc, readme = sys.argv[1:]
partial = zip_path + ".partial"
with open(readme, encoding="utf-8") as f:
    text = f.read()
readme_bytes = b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")
readme_info = zipfile.ZipInfo("README.txt", time.localtime(os.path.getmtime(readme))[:6])
readme_info.compress_type = zipfile.ZIP_DEFLATED
# The files sit at the top of the zip: Explorer's "Extract All" already makes a folder for them.
with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as z:
    z.write(exe, "Huesmith.exe")
    z.write(csv, "Huesmith.csv")
    z.write(help_doc, "Huesmith.htm")
    z.writestr(readme_info, readme_bytes)
os.replace(partial, zip_path)
PY
echo "$zip"
