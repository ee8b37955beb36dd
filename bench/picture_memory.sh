#!/usr/bin/env bash
# Peak memory of decoding hostile pictures: writes them (bench/hostile_pictures.py) and
# decodes each in a process of its own as picture import does (thumbnail), as the
# arrangement stage does (full) and as the show does on a 1920 x 1080 screen; then reads
# hostile files of bench/hostile_shows.py: a show whose thumbnails declare 8192 x 8192
# (read as every opening of a show reads it) and a video whose one frame is 16000 x 16000
# (added as a picture). Each of those two must be refused or read within 60 MB and 0.5 s;
# the script fails otherwise.
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
python3 "$root/bench/hostile_shows.py" "$work/shows"
for mode in thumbnail full 1920x1080; do
  echo "== $mode"
  "$tool" "$mode" "$work"/*.* | sort -rn
done

echo "== hostile show and video (limit 60 MB, 0.5 s)"
{
  "$tool" show "$work/shows/thumbnail-bomb.sho"
  "$tool" thumbnail "$work/shows/huge-frame.avi"
} | grep -v "the largest" | tee "$work/bounded.txt"
awk '$1 > 60 || $3 > 0.5 { over = 1; print "over the limit: " $0 } END { exit over }' \
  "$work/bounded.txt"
