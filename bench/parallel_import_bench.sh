#!/usr/bin/env bash
# Adding many photos on every core, against one thread and against a thumbnailer that
# also decodes at a reduced size, in one run. Makes COUNT JPEGs of 24 megapixels
# (6000 x 4000; DISTINCT different pictures, copied), then times, RUNS times in turn:
#   ours      showtool add SHOW *.jpg --screen 1920x1080   (one reading thread per core)
#   ours x1   the same with --threads 1                     (the import as it was)
#   vips      vipsthumbnail -s 60x60, one process per core, each on its share of the files
# and prints each one's best wall and CPU seconds and the wall-time ratios.
#
# usage: bench/parallel_import_bench.sh [BUILD_DIR]   (default: build)
#        COUNT=200 RUNS=3 DISTINCT=8
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
showtool="$build/tools/showtool"
count="${COUNT:-200}"
runs="${RUNS:-3}"
distinct="${DISTINCT:-8}"
cores="$(nproc)"
[ -x "$showtool" ] || { echo "no showtool in $build (build the showtool target)" >&2; exit 1; }
for tool in gm vipsthumbnail; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/lrw-parallel-import-XXXXXX)"
trap 'rm -rf "$work"' EXIT

# The parallelism is ours (threads) or the processes' (vips): no library pools beside it.
export OMP_NUM_THREADS=1 VIPS_CONCURRENCY=1 MAGICK_THREAD_LIMIT=1

echo "making $count JPEGs of 6000 x 4000 ($distinct different) in $work ..."
gm convert -size 1500x1000 plasma:fractal -resize 6000x4000! "$work/base.miff"
seq 1 "$distinct" | xargs -P "$cores" -I{} sh -c \
  'gm convert "$1/base.miff" -roll "+$(($2 * 211))+$(($2 * 97))" -quality 90 "$1/d$2.jpg"' \
  _ "$work" {}
rm "$work/base.miff"
for i in $(seq 1 "$count"); do
  cp "$work/d$(((i - 1) % distinct + 1)).jpg" "$work/photo$(printf %03d "$i").jpg"
done
rm "$work"/d*.jpg
files=("$work"/photo*.jpg)
du -sh "$work" | awk '{ print "files: " $1 " in all" }'
cat "${files[@]}" >/dev/null  # everyone reads from the page cache

ours() { "$showtool" add "$work/show.sho" "${files[@]}" --screen 1920x1080; }
ours1() { "$showtool" add "$work/show.sho" "${files[@]}" --screen 1920x1080 --threads 1; }
vips() {
  local per=$(((count + cores - 1) / cores))
  printf '%s\n' "${files[@]}" |
    xargs -P "$cores" -n "$per" vipsthumbnail -s 60x60 -o "$work/out/%s.jpg"
}

# time_of COMMAND: "wall cpu" seconds of one run (CPU: user + system of the children).
time_of() {
  rm -rf "$work/out" "$work/show.sho"
  mkdir -p "$work/out"
  local line
  line=$( { TIMEFORMAT='%3R %3U %3S'; time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
  echo "$line" | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
}

declare -A wall cpu
names=(ours ours1 vips)
for run in $(seq 1 "$runs"); do
  # In turn, so that the load of a shared machine falls on each alike.
  for name in "${names[@]}"; do
    read -r w c < <(time_of "$name")
    echo "run $run: $name $w s wall, $c s CPU"
    if [ -z "${wall[$name]:-}" ] || awk -v a="$w" -v b="${wall[$name]}" 'BEGIN { exit !(a < b) }'; then
      wall[$name]=$w
    fi
    if [ -z "${cpu[$name]:-}" ] || awk -v a="$c" -v b="${cpu[$name]}" 'BEGIN { exit !(a < b) }'; then
      cpu[$name]=$c
    fi
  done
done
"$showtool" add "$work/show.sho" "${files[@]}" --screen 1920x1080 | tail -1

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo
echo "$cores cores, load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-44s %8s %8s\n' "best of $runs" "wall s" "CPU s"
printf '%-44s %8.3f %8.3f\n' "showtool add, $count files, one thread a core" "${wall[ours]}" "${cpu[ours]}"
printf '%-44s %8.3f %8.3f\n' "showtool add --threads 1" "${wall[ours1]}" "${cpu[ours1]}"
printf '%-44s %8.3f %8.3f\n' "vipsthumbnail -s 60x60, $cores processes" "${wall[vips]}" "${cpu[vips]}"
echo "wall, one thread / every core   $(ratio "${wall[ours1]}" "${wall[ours]}")  (goal: at least 1.8)"
echo "wall, vipsthumbnail / ours      $(ratio "${wall[vips]}" "${wall[ours]}")  (goal: at least 1.0)"
