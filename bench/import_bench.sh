#!/usr/bin/env bash
# Picture import speed against two thumbnailers that also decode at reduced size.
#
# Makes 20 JPEGs of 24 megapixels (6000 x 4000), then, each on one thread:
#   ours  showtool add SHOW *.jpg   (thumbnail, full size of each picture, show written)
#   vips  vipsthumbnail -s 60x60    (one process for all files)
#   gm    gm convert -size 60x60 FILE -thumbnail 60x60 OUT   (one process per file)
# and prints each time (best of RUNS) and ours / the faster of the two tools.
#
# usage: bench/import_bench.sh [BUILD_DIR]   (default: build)   RUNS=3 COUNT=20
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
showtool="$build/tools/showtool"
runs="${RUNS:-3}"
count="${COUNT:-20}"
[ -x "$showtool" ] || { echo "no showtool in $build (build the showtool target)" >&2; exit 1; }
for tool in gm vipsthumbnail; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/lrw-import-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT

# One thread for everyone: the libraries' own pools and the CPU itself.
export OMP_NUM_THREADS=1 VIPS_CONCURRENCY=1 MAGICK_THREAD_LIMIT=1
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)

echo "making $count JPEGs of 6000 x 4000 in $work ..."
gm convert -size 1500x1000 plasma:fractal -resize 6000x4000! "$work/base.miff"
for i in $(seq 1 "$count"); do
  gm convert "$work/base.miff" -roll "+$((i * 211))+$((i * 97))" -quality 90 \
    "$work/photo$(printf %02d "$i").jpg"
done
rm "$work/base.miff"
files=("$work"/photo*.jpg)

now() { date +%s.%N; }
best_of() {  # best_of COMMAND...: runs COMMAND RUNS times, prints the best seconds
  local best="" t0 t1 t
  for _ in $(seq 1 "$runs"); do
    rm -rf "$work/out" "$work/show.sho"
    mkdir -p "$work/out"
    t0=$(now)
    "$@" >/dev/null
    t1=$(now)
    t=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  echo "$best"
}

ours() { "${pin[@]}" "$showtool" add "$work/show.sho" "${files[@]}" --screen 1920x1080; }
vips() { "${pin[@]}" vipsthumbnail -s 60x60 -o "$work/out/%s.jpg" "${files[@]}"; }
gmthumbs() {
  for f in "${files[@]}"; do
    "${pin[@]}" gm convert -size 60x60 "$f" -thumbnail 60x60 "$work/out/$(basename "$f")"
  done
}

t_ours=$(best_of ours)
t_vips=$(best_of vips)
t_gm=$(best_of gmthumbs)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
fastest=$(awk -v a="$t_vips" -v b="$t_gm" 'BEGIN { print (a < b ? a : b) }')

printf '%-28s %8.3f s\n' "showtool add ($count files)" "$t_ours"
printf '%-28s %8.3f s\n' "vipsthumbnail -s 60x60" "$t_vips"
printf '%-28s %8.3f s\n' "gm convert -thumbnail 60x60" "$t_gm"
echo "ours / vipsthumbnail   $(ratio "$t_ours" "$t_vips")"
echo "ours / gm convert      $(ratio "$t_ours" "$t_gm")"
echo "ours / faster tool     $(ratio "$t_ours" "$fastest")  (goal: at most 1.00)"
