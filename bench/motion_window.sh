#!/bin/sh
# A 60-second show with automatic motion and cross-fades on every slide, played full
# screen by the real program in an Xvfb screen of each size, frames logged by the show
# window (LRW_FRAME_LOG) from the frame clock's tick to the frame handed to the window
# system; frame_log_summary.py sums each run up.
#   bench/motion_window.sh BUILD_DIR [WORK_DIR] [SIZES]
# SIZES defaults to "1920x1080 3840x2160". Run it under `nice -n -5` on a shared machine.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=${2:-$(mktemp -d)}
sizes=${3:-"1920x1080 3840x2160"}
mkdir -p "$work"
cd "$work"
showtool="$build/tools/showtool"
program="$build/src/lanternreelworks"

for i in 0 1 2 3 4 5 6 7 8 9; do
  [ -f "p$i.jpg" ] || convert -size 6000x4000 \
    "gradient:rgb($((i * 25)),80,160)-rgb(240,$((200 - i * 15)),40)" -quality 90 "p$i.jpg"
done
for size in $sizes; do
  rm -f "show-$size.sho" "frames-$size.log"
  "$showtool" add "show-$size.sho" p0.jpg p1.jpg p2.jpg p3.jpg p4.jpg p5.jpg p6.jpg p7.jpg \
    p8.jpg p9.jpg --screen "$size" >/dev/null
  # Ten slides of 5 s and 1.1 s cross-fades: a minute of frames.
  "$showtool" set "show-$size.sho" all motion=auto strength=60 transition=crossfade speed=8 \
    duration=time seconds=5 >/dev/null
  if ! LRW_FRAME_LOG="$work/frames-$size.log" timeout 150 xvfb-run -a \
    -s "-screen 0 ${size}x24" "$program" /s /r "show-$size.sho" >/dev/null 2>&1; then
    echo "$size: the show did not play to its end in this Xvfb screen"
  fi
  [ -s "frames-$size.log" ] && python3 "$here/frame_log_summary.py" "frames-$size.log"
done
exit 0
