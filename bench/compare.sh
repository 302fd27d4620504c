#!/usr/bin/env bash
# Measures mifkit's cost against reading the same bytes: builds Release,
# generates table-heavy, literal-rich sources (5 and 50 MB, 8-bit and UTF-16)
# and 2,000 small files, and prints each figure as a ratio of two commands
# timed side by side by hyperfine, plus the peak memory of the big parse.
#   bench/compare.sh [BUILD_DIR]   (default build-rel; RUNS=N for more runs)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build-rel}
runs=${RUNS:-5}

command -v hyperfine >/dev/null || bash scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target mifkit_tool generate_mif parse_mif_file >/dev/null
mifkit=$root/$build/tools/mifkit
generate=$root/$build/bench/generate_mif
parse_file=$root/$build/bench/parse_mif_file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$generate" --literal-tables --size-mb 50 -o big.mif >/dev/null
"$generate" --literal-tables --size-mb 50 --utf16 -o big16.mif >/dev/null
"$generate" --literal-tables --size-mb 5 -o small.mif >/dev/null
mkdir many
cp "$root/examples/network_adapter.mif" many/0000.mif
for i in $(seq -w 1 1999); do cp many/0000.mif "many/$i.mif"; done
many=$(printf 'many/%s ' $(ls many))

# ratio NAME GOAL COMMAND_A COMMAND_B: mean time of A over mean time of B.
ratio() {
  local name=$1 goal=$2
  hyperfine -N --warmup 1 --runs "$runs" --export-json times.json "$3" "$4" >/dev/null 2>&1
  python3 - "$name" "$goal" <<'PY'
import json, sys
a, b = (r["mean"] for r in json.load(open("times.json"))["results"])
print(f"{sys.argv[1]:<48} {a / b:6.2f}x  ({a:.3f} s / {b:.3f} s)  goal {sys.argv[2]}")
PY
}

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)"
echo "sources: big.mif $(stat -c %s big.mif) bytes, big16.mif $(stat -c %s big16.mif), small.mif $(stat -c %s small.mif), 2,000 files of $(stat -c %s many/0000.mif)"
ratio "mifkit check 50 MB / md5sum" "<= 5x" "$mifkit check big.mif" "md5sum big.mif"
peak_kib=$(/usr/bin/time -f %M "$mifkit" check big.mif 2>&1 >/dev/null | tail -1)
python3 - "$peak_kib" "$(stat -c %s big.mif)" <<'PY'
import sys
peak, size = int(sys.argv[1]) * 1024, int(sys.argv[2])
mib = 1 << 20
print(f"{'peak memory of mifkit check 50 MB / file size':<48} {peak / size:6.2f}x  ({peak / mib:.0f} MiB / {size / mib:.0f} MiB)"
      f"  goal <= 4x + 16 MiB ({(4 * size + 16 * mib) / mib:.0f} MiB)")
PY
ratio "mifkit check UTF-16 / 8-bit (50 MB)" "<= 1.5x" "$mifkit check big16.mif" "$mifkit check big.mif"
ratio "mifkit check 50 MB / 5 MB" "<= 11x" "$mifkit check big.mif" "$mifkit check small.mif"
ratio "ParseMIFFile (writes temp.mif) / mifkit check" "<= 1.3x" "$parse_file big.mif" "$mifkit check big.mif"
ratio "mifkit check 2,000 small files / md5sum" "<= 5x" "$mifkit check $many" "md5sum $many"
