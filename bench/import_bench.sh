#!/usr/bin/env bash
# Picture import speed against two thumbnailers that also decode at reduced size.
#
# Makes 20 JPEGs of 24 megapixels (6000 x 4000), then, each on one thread:
#   ours  showtool add SHOW *.jpg   (thumbnail, full size of each picture, show written)
#   vips  vipsthumbnail -s 60x60    (one process for all files)
#   gm    gm convert -size 60x60 FILE -thumbnail 60x60 OUT   (one process per file)
# and prints each one's CPU and wall time (best of RUNS) and, by CPU time, ours /
# the faster of the two tools.
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

# best_of COMMAND...: runs COMMAND RUNS times; prints the best CPU seconds (user +
# system, which other work on the machine does not inflate) and the best wall seconds.
best_of() {
  local best_cpu="" best_wall="" line wall cpu
  for _ in $(seq 1 "$runs"); do
    rm -rf "$work/out" "$work/show.sho"
    mkdir -p "$work/out"
    line=$( { TIMEFORMAT='%3R %3U %3S'; time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
    wall=$(echo "$line" | awk '{ print $1 }')
    cpu=$(echo "$line" | awk '{ print $2 + $3 }')
    if [ -z "$best_cpu" ] || awk -v t="$cpu" -v b="$best_cpu" 'BEGIN { exit !(t < b) }'; then
      best_cpu=$cpu
    fi
    if [ -z "$best_wall" ] || awk -v t="$wall" -v b="$best_wall" 'BEGIN { exit !(t < b) }'; then
      best_wall=$wall
    fi
  done
  echo "$best_cpu $best_wall"
}

ours() { "${pin[@]}" "$showtool" add "$work/show.sho" "${files[@]}" --screen 1920x1080; }
vips() { "${pin[@]}" vipsthumbnail -s 60x60 -o "$work/out/%s.jpg" "${files[@]}"; }
gmthumbs() {
  for f in "${files[@]}"; do
    "${pin[@]}" gm convert -size 60x60 "$f" -thumbnail 60x60 "$work/out/$(basename "$f")"
  done
}

read -r c_ours w_ours < <(best_of ours)
read -r c_vips w_vips < <(best_of vips)
read -r c_gm w_gm < <(best_of gmthumbs)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
fastest=$(awk -v a="$c_vips" -v b="$c_gm" 'BEGIN { print (a < b ? a : b) }')

printf '%-30s %8s %8s\n' "" "CPU s" "wall s"
printf '%-30s %8.3f %8.3f\n' "showtool add ($count files)" "$c_ours" "$w_ours"
printf '%-30s %8.3f %8.3f\n' "vipsthumbnail -s 60x60" "$c_vips" "$w_vips"
printf '%-30s %8.3f %8.3f\n' "gm convert -thumbnail 60x60" "$c_gm" "$w_gm"
echo "CPU time, ours / vipsthumbnail   $(ratio "$c_ours" "$c_vips")"
echo "CPU time, ours / gm convert      $(ratio "$c_ours" "$c_gm")"
echo "CPU time, ours / faster tool     $(ratio "$c_ours" "$fastest")  (goal: at most 1.00)"
