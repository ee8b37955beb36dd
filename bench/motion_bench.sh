#!/bin/sh
# The export of ten 24-megapixel photos with motion on every slide and cross-fades, 1080p30
# H.264 veryfast, side by side with x264 alone on the same frames and with melt (the MLT
# engine) rendering the same photos with its affine pan-and-zoom and 1 s luma cross-fades.
#   bench/motion_bench.sh BUILD_DIR [WORK_DIR]
# Installs the Debian package melt when it is missing (it is for this comparison only).
set -eu
build=$(cd "$1" && pwd)
work=${2:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"
showtool="$build/tools/showtool"
seconds=3

for i in 0 1 2 3 4 5 6 7 8 9; do
  [ -f "p$i.jpg" ] || convert -size 6000x4000 \
    "gradient:rgb($((i * 25)),80,160)-rgb(240,$((200 - i * 15)),40)" -quality 90 "p$i.jpg"
done
rm -f show.sho
"$showtool" add show.sho p0.jpg p1.jpg p2.jpg p3.jpg p4.jpg p5.jpg p6.jpg p7.jpg p8.jpg p9.jpg \
  --screen 1920x1080 >/dev/null
"$showtool" set show.sho all motion=auto strength=60 transition=crossfade speed=8 \
  duration=time seconds=$seconds >/dev/null

now() { date +%s.%N; }
t0=$(now)
"$showtool" export show.sho ours.mp4 --size 1920x1080 --fps 30 --force --quiet
t1=$(now)
length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 ours.mp4)
# x264 alone on the same frames (decoding them back is included, a small part).
ffmpeg -v error -y -i ours.mp4 -c:v libx264 -preset veryfast -pix_fmt yuv420p x264.mp4
t2=$(now)

if ! command -v melt >/dev/null 2>&1; then
  apt-get install -y melt >/dev/null 2>&1 || echo "melt could not be installed"
fi
meltSeconds=""
if command -v melt >/dev/null 2>&1; then
  frames=$((seconds * 30 + 30))
  set --
  for i in 0 1 2 3 4 5 6 7 8 9; do
    set -- "$@" "p$i.jpg" out=$((frames - 1)) -attach-clip affine \
      "transition.rect=0=0/0:100%x100%;-1=-5%/-5%:110%x110%"
    [ "$i" -gt 0 ] && set -- "$@" -mix 30 -mixer luma
  done
  t3=$(now)
  melt "$@" -profile atsc_1080p_30 -consumer avformat:melt.mp4 vcodec=libx264 preset=veryfast \
    an=1 >/dev/null 2>&1 || echo "melt failed"
  t4=$(now)
  meltSeconds=$(echo "$t4 - $t3" | bc)
fi
ours=$(echo "$t1 - $t0" | bc)
x264=$(echo "$t2 - $t1" | bc)
echo "video length:        $length s"
echo "our export:          $ours s ($(echo "scale=2; $length / $ours" | bc) x real time)"
echo "x264 alone:          $x264 s (ours / x264 = $(echo "scale=2; $ours / $x264" | bc))"
[ -n "$meltSeconds" ] && echo "melt:                $meltSeconds s (ours / melt = $(echo "scale=2; $ours / $meltSeconds" | bc))"
exit 0
