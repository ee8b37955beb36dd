#!/usr/bin/env bash
# Peak memory of decoding hostile pictures: writes them (bench/hostile_pictures.py) and
# decodes each in a process of its own as picture import does (thumbnail), as the
# arrangement stage does (full) and as the show does on a 1920 x 1080 screen.
#
# usage: bench/picture_memory.sh [BUILD_DIR]   (default: build; needs the picture_memory target)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
tool="$build/bench/picture_memory"
[ -x "$tool" ] || { echo "no picture_memory in $build (configure with -DLRW_BENCH=ON)" >&2; exit 1; }

work="$(mktemp -d /tmp/lrw-picture-memory-XXXXXX)"
trap 'rm -rf "$work"' EXIT
echo "writing hostile pictures into $work ..."
python3 "$root/bench/hostile_pictures.py" "$work"
for mode in thumbnail full 1920x1080; do
  echo "== $mode"
  "$tool" "$mode" "$work"/* | sort -rn
done
