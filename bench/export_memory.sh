#!/usr/bin/env bash
# Peak memory (maximum resident set) and time of `showtool export` at every size the export
# dialog offers and with every codec offered at that size, on a show of large pictures with transitions, so that
# frames are rendered ahead of the encoder all the way. The goal: every export under 512 MB.
#
# usage: bench/export_memory.sh [BUILD_DIR] [SECONDS_PER_SLIDE]   (default: build, 2)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-2}"
showtool="$build/tools/showtool"
[ -x "$showtool" ] || { echo "no showtool in $build" >&2; exit 1; }
command -v convert >/dev/null || { echo "needs ImageMagick's convert" >&2; exit 1; }

work="$(mktemp -d /tmp/lrw-export-memory-XXXXXX)"
trap 'rm -rf "$work"' EXIT
# Four 6000 x 4000 pictures of noise (nothing for the encoder to skip), slides of
# SECONDS with a box transition.
for i in 1 2 3 4; do
  convert -size 1500x1000 "plasma:fractal" -seed "$i" -resize 6000x4000! -quality 90 "$work/p$i.jpg"
done
"$showtool" add "$work/s.sho" "$work"/p*.jpg --screen 3840x2160 >/dev/null
"$showtool" set "$work/s.sho" all effect=5 speed=8 duration=time seconds="$seconds" >/dev/null

limit=$((512 * 1024))
worst=0
printf '%-10s %-12s %-6s %10s %8s\n' size container codec "peak MB" seconds
for size in 1280x720 1920x1080 1080x1920 3840x2160; do
  for job in "mp4 h264" "mp4 h265" "mp4 av1" "webm vp9"; do
    read -r container codec <<<"$job"
    # Above 1920 x 1080 only H.264 is offered: the others' encoders alone pass 512 MB.
    [ "$size" != 3840x2160 ] || [ "$codec" = h264 ] || continue
    /usr/bin/time -f '%M %e' -o "$work/time.txt" \
      "$showtool" export "$work/s.sho" "$work/v.$container" --size "$size" --codec "$codec" \
      --force --quiet
    read -r kb secs <"$work/time.txt"
    printf '%-10s %-12s %-6s %10d %8.1f\n' "$size" "$container" "$codec" $((kb / 1024)) "$secs"
    [ "$kb" -le "$worst" ] || worst=$kb
  done
done
echo "worst peak: $((worst / 1024)) MB (goal: under 512 MB)"
[ "$worst" -lt "$limit" ]
