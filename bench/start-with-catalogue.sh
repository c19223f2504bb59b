#!/usr/bin/env bash
# Times the real program under Wine from start until its main window is shown and idle, with
# catalogues of 1, 10k and 100k entries. The difference to the 1-entry start is the cost of loading
# the data file and filling the colour-name list. Prints figures; never fails on time.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${HUESMITH_BUILD_DIR:-$root/build/windows}" && pwd)
source "$root/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# N lines of the data-file format: a Shift-JIS name and reading (あ..), values cycling 0-255.
make_catalogue() {
    python3 - "$1" "$2" <<'PY'
import sys
count, path = int(sys.argv[1]), sys.argv[2]
name, reading = "色名".encode("cp932"), "いろな".encode("cp932")
with open(path, "wb") as out:
    for i in range(count):
        out.write(b"%s%d,%s%d,%d,%d,%d\r\n" % (name, i, reading, i, i % 256, (i * 7) % 256, (i * 13) % 256))
PY
}

start_ms() {
    local dir=$1
    (cd "$dir" && wine "$build/Huesmith.exe" >/dev/null 2>&1 &)
    local begin end
    begin=$(date +%s%N)
    wine "$build/tools/hsctl.exe" wait 120 >/dev/null
    end=$(date +%s%N)
    wine "$build/tools/hsctl.exe" close 60 >/dev/null
    echo $(((end - begin) / 1000000))
}

wineserver -p 2>/dev/null || true  # keep one server for every run, so none pays its start-up
for count in 1 10000 100000; do
    dir=$work/c$count
    mkdir -p "$dir"
    make_catalogue "$count" "$dir/Huesmith.csv"
    best=""
    for _ in 1 2 3; do
        ms=$(start_ms "$dir")
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "start-up with $count entries: ${best} ms (best of 3)"
done
