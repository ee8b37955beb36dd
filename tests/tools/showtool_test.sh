#!/usr/bin/env bash
# showtool as a user runs it, on real files. "add" gives a portable show its pictures
# beside it and writes nothing when nothing was added. "export" writes a complete video
# and ends with status 0, or says why on standard error, ends with status 1 (2 for a wrong
# command line) and leaves no file behind.
#
# usage: showtool_test.sh SHOWTOOL SOURCE_DIR
set -euo pipefail

showtool="$1"
demo="$2/examples/demo"
work="$(mktemp -d /tmp/lrw-showtool-XXXXXX)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# expect STATUS MESSAGE_PART COMMAND ARGS...: runs showtool (with files limited to
# $fsize kilobytes) and checks its status and standard error.
expect() {
  local status="$1" message="$2" actual=0
  shift 2
  (trap '' XFSZ; ulimit -f "${fsize:-unlimited}"; exec "$showtool" "$@") \
    >"$work/out.txt" 2>"$work/err.txt" || actual=$?
  [ "$actual" = "$status" ] || fail "$* ended with $actual, not $status: $(cat "$work/err.txt")"
  [ -z "$message" ] || grep -qF -- "$message" "$work/err.txt" || fail "$* did not say '$message': $(cat "$work/err.txt")"
}
md5() { md5sum <"$1"; }

# add: the portable show's folder travels with its pictures.
mkdir -p "$work/add/pics" "$work/add/trip"
cp "$demo/01-dawn.jpg" "$demo/02-night.jpg" "$work/add/pics/"
expect 0 "" add "$work/add/trip/trip.bld" "$work/add/pics/01-dawn.jpg"
expect 0 "" add "$work/add/trip/trip.bld" "$work/add/pics/02-night.jpg"
mv "$work/add/pics" "$work/add/gone"
mv "$work/add/trip" "$work/add/moved"
for picture in 01-dawn.jpg 02-night.jpg; do
  cmp -s "$demo/$picture" "$work/add/moved/$picture" || fail "$picture was not copied beside the show"
done
"$showtool" dump "$work/add/moved/trip.bld" >"$work/dump.json"
[ "$(grep -c "\"PictureFolder\": \"$work/add/moved/\"" "$work/dump.json")" = 2 ] ||
  fail "the moved show does not find its pictures: $(grep Picture "$work/dump.json")"

# add that adds nothing: no new show, and an existing one left exactly as it was.
echo "not a picture" >"$work/add/notes.txt"
for show in new.bld new.sho; do
  expect 1 "no picture was added" add "$work/add/$show" "$work/add/notes.txt" "$work/add/gone.bmp"
  [ ! -e "$work/add/$show" ] || fail "$show was written with nothing added"
done
before=$(md5 "$work/add/moved/trip.bld")
expect 1 "no picture was added" add "$work/add/moved/trip.bld" "$work/add/notes.txt"
[ "$(md5 "$work/add/moved/trip.bld")" = "$before" ] || fail "adding nothing changed the show"
rm -rf "$work/add"

# add: a video frame larger than one decode may hold is refused from the size the file
# declares, before anything is decoded (this 6000 x 6000 frame alone is 216 MB).
python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import hostile_shows
hostile_shows.png_avi(sys.argv[2], 6000, 6000)' "$2/bench" "$work/big.avi"
refusal=$(python3 -c 'import resource, subprocess, sys
r = subprocess.run(sys.argv[1:], capture_output=True, text=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss, "too large" in r.stderr)' \
  "$showtool" add "$work/big.sho" "$work/big.avi")
[ "${refusal#* }" = True ] && [ "${refusal% *}" -lt 100000 ] || fail "huge frame: $refusal KB"
rm "$work/big.avi"

# build is one act: when a copy or the show file cannot be written (a full disk, here a
# file size limit), what this build copied is removed again, and nothing that was there.
b="$work/build"
mkdir -p "$b/out"
head -c 14000 /dev/zero >"$b/sound.wav"
"$showtool" add "$b/show.sho" "$demo/01-dawn.jpg" "$demo/02-night.jpg" --screen 320x240 >/dev/null
"$showtool" set "$b/show.sho" 1 sound="$b/sound.wav" >/dev/null
echo "kept" | tee "$b/out/02-night.jpg" >"$b/out/trip.bld"
# 12 KB: the picture (10 KB) fits, the sound after it not; 16 KB: both fit, the show not.
for limit in 12 16; do
  fsize=$limit expect 1 "removed again; files that were there before are untouched" \
    build "$b/show.sho" "$b/out/trip.bld"
  [ "$(cat "$b/out/"*)" = "$(printf 'kept\nkept')" ] || fail "a failed build left $(ls "$b/out")"
done
expect 0 "" build "$b/show.sho" "$b/out/trip.bld"
[ "$(ls "$b/out" | tr '\n' ' ')" = "01-dawn.jpg 02-night.jpg sound.wav trip.bld " ] || fail "built $(ls "$b/out")"
rm -rf "$b"

# add of many pictures, read on every core: the slides keep the order given, a broken
# file in the middle is named and skipped, and one thread writes the same bytes.
mkdir -p "$work/many" && echo "not a picture" >"$work/many/broken.png"
pictures=() && names=""
for i in $(seq 10 49); do
  gm convert -size "$((i * 7))x$((i * 3))" "xc:#${i}80${i}" "$work/many/p$i.png"
  pictures+=("$work/many/p$i.png") && names+="p$i.png "
  [ "$i" != 30 ] || pictures+=("$work/many/broken.png")
done
expect 1 "broken.png" add "$work/many/all.sho" "${pictures[@]}"
expect 1 "broken.png" add "$work/many/one.sho" "${pictures[@]}" --threads 1
[ "$("$showtool" dump "$work/many/all.sho" | grep -o '"PictureName": "[^"]*"' | cut -d'"' -f4 |
  tr '\n' ' ')" = "$names" ] || fail "the slides are not in the order given"
cmp -s "$work/many/all.sho" "$work/many/one.sho" || fail "one thread wrote another show"
rm -rf "$work/many"

# export
"$showtool" add "$work/s.sho" "$demo/01-dawn.jpg" "$demo/02-night.jpg" --screen 320x240 >/dev/null
"$showtool" set "$work/s.sho" all effect=1 speed=8 duration=time seconds=1 >/dev/null

expect 0 "" export "$work/s.sho" "$work/v.mp4" --size 320x240 --fps 24 --quiet
[ ! -s "$work/out.txt" ] || fail "--quiet printed: $(cat "$work/out.txt")"
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$work/v.mp4")
# 0.25 s of black, two transitions of about 0.2 s and two slides of 1 s.
awk -v d="$duration" 'BEGIN { exit !(d > 2.5 && d < 2.8) }' || fail "duration $duration"
before=$(md5 "$work/v.mp4")

expect 1 "showtool export: The file \"$work/v.mp4\" already exists." \
  export "$work/s.sho" "$work/v.mp4" --size 320x240
[ "$(md5 "$work/v.mp4")" = "$before" ] || fail "an existing file was changed without --force"
# A disk that fills up: the old file stays.
fsize=4 expect 1 "showtool export: Cannot write file \"$work/v.mp4\"." \
  export "$work/s.sho" "$work/v.mp4" --size 320x240 --force
[ "$(md5 "$work/v.mp4")" = "$before" ] || fail "a failed export changed the existing file"
expect 0 "" export "$work/s.sho" "$work/v.mp4" --size 320x240 --enter-seconds 1 --quality 30 --force
grep -q "exported $work/v.mp4: " "$work/out.txt" || fail "no summary: $(cat "$work/out.txt")"

# The extension chooses the format; an upright size; the sound gets its own codec.
"$showtool" set "$work/s.sho" 1 sound="$demo/chime.wav" >/dev/null
for format in "webm vp9 opus" "MKV h264 aac"; do
  read -r extension video audio <<<"$format"
  expect 0 "" export "$work/s.sho" "$work/v.$extension" --size 240x320 --quiet
  streams=$(ffprobe -v error -show_entries stream=codec_name,width -of csv=p=0 "$work/v.$extension" |
    sort | tr '\n' ' ')
  [ "$streams" = "$audio $video,240 " ] || fail "v.$extension has the streams $streams"
done

mkdir "$work/locked"
chmod 500 "$work/locked"
for target in "$work/missing/v.webm" "$work/s.sho/v.mp4" "$work/locked/v.mp4"; do
  # The superuser writes into any folder.
  [ "$target" != "$work/locked/v.mp4" ] || [ "$(id -u)" != 0 ] || continue
  expect 1 "showtool export: Cannot create file \"$target\"." export "$work/s.sho" "$target" \
    --size 320x240
done
# Every wrong command line is a usage error, with the reason where there is one.
while IFS='|' read -r message options; do
  read -r -a options <<<"$options"
  expect 2 "$message" export "$work/s.sho" "${options[@]}"
done <<EOF_WRONG
two even numbers|$work/w.mp4 --size 1921x1080
from 24 to 60 frames a second|$work/w.mp4 --fps 61
from 0 (best) to 51|$work/w.mp4 --quality 52
from 0 (best) to 63|$work/w.webm --quality 70
must end in .mp4, .mkv or .webm|$work/w.avi
holds vp9 or av1 video, not h264|$work/w.webm --preset web-1080p
either a quality or a bit rate|$work/w.mp4 --quality 20 --bitrate 800
only H.264 keeps the export within 512 MB|$work/w.webm --size 3840x2160
usage: showtool export|$work/w.mp4 --fps 29.9
usage: showtool export|$work/w.mp4 --codec mpeg2
usage: showtool export|$work/w.mp4 --preset huge
usage: showtool export|$work/w.mp4 --quiet --progress
usage: showtool export|$work/w.mp4 --speed 3
EOF_WRONG

# What players read from the file: codec, profile (H.264 never beyond High, even at quality
# 0, where x264 would go lossless), tag, size and exact frame rate, also from presets; and
# frames that fill the duration at a fractional rate.
probe() {
  ffprobe -v error -select_streams v:0 -count_frames -of default=nw=1 -show_entries \
    stream=codec_name,profile,codec_tag_string,width,height,r_frame_rate,nb_read_frames \
    -show_entries format=duration "$1" | sort | tr '\n' ' '
}
while IFS='|' read -r out options wanted; do
  read -r -a options <<<"$options"
  expect 0 "" export "$work/s.sho" "$work/$out" --force --quiet "${options[@]}"
  probed="$(probe "$work/$out")"
  for field in $wanted; do
    [[ " $probed" == *" $field "* ]] || fail "$out (${options[*]}): no $field in $probed"
  done
  frames=$(sed 's/.*nb_read_frames=\([0-9]*\).*/\1/' <<<"$probed")
  rate=$(sed 's/.*r_frame_rate=\([0-9/]*\).*/\1/' <<<"$probed")
  duration=$(sed 's/.*duration=\([0-9.]*\).*/\1/' <<<"$probed")
  awk -v f="$frames" -v r="$rate" -v d="$duration" \
    'BEGIN { split(r, q, "/"); exit !(f > 0 && (f / (q[1] / q[2]) - d) ^ 2 < 0.0025) }' ||
    fail "$out: $frames frames at $rate for $duration s"
done <<EOF_PROBE
q0.mp4|--size 320x240 --quality 0|codec_name=h264 profile=High r_frame_rate=30/1
ntsc.mkv|--size 320x240 --fps 29.97|codec_name=h264 r_frame_rate=30000/1001
phone.mp4|--preset phone-vertical|codec_name=h264 width=1080 height=1920 r_frame_rate=30/1
mail.mp4|--preset mail-720p --codec h265 --fps 23.976|codec_name=hevc profile=Main codec_tag_string=hvc1 width=1280 height=720 r_frame_rate=24000/1001
av1.webm|--size 320x240 --codec av1|codec_name=av1
av1.mp4|--size 320x240 --codec AV1 --fps 59.94|codec_name=av1 codec_tag_string=av01 r_frame_rate=60000/1001
EOF_PROBE

# A target bit rate instead of constant quality.
expect 0 "" export "$work/s.sho" "$work/rate.mp4" --size 640x480 --bitrate 150 --quiet
expect 0 "" export "$work/s.sho" "$work/best.mp4" --size 640x480 --quality 0 --quiet
rate=$(ffprobe -v error -show_entries format=bit_rate -of csv=p=0 "$work/rate.mp4")
[ "$rate" -lt 250000 ] && [ "$(stat -c %s "$work/rate.mp4")" -lt "$(stat -c %s "$work/best.mp4")" ] ||
  fail "--bitrate 150 made $rate bit/s"

# Progress for scripts: whole lines on a pipe, rewritten lines only on a terminal.
expect 0 "" export "$work/s.sho" "$work/p.mp4" --size 320x240 --force
tail -n 1 "$work/err.txt" | grep -qE '^100% ([0-9]+)/\1 frames ' || fail "no progress lines: $(cat "$work/err.txt")"
! grep -q $'\r' "$work/err.txt" || fail "progress on a pipe rewrote its line"
expect 0 "" export "$work/s.sho" "$work/p.mp4" --size 320x240 --force --quiet
! grep -v QStandardPaths "$work/err.txt" || fail "--quiet printed progress"
# --progress: whole lines also on a terminal (util-linux's script gives it one).
script -qec "'$showtool' export '$work/s.sho' '$work/p.mp4' --size 320x240 --force --progress" \
  /dev/null | tr -d '\r' >"$work/tty.txt"
[ "$(grep -cE '^ *[0-9]+% [0-9]+/[0-9]+ frames' "$work/tty.txt")" -ge 2 ] ||
  fail "--progress on a terminal: $(cat "$work/tty.txt")"

# A 4K export stays under 512 MB, however far the renderer could run ahead.
/usr/bin/time -f %M -o "$work/peak.txt" "$showtool" export "$work/s.sho" "$work/4k.mp4" --size 3840x2160 --quiet
# (The sanitizer build's shadow memory and red zones count too: it is measured by the
# Release build alone.)
if ! grep -q '^LRW_SANITIZE:BOOL=ON' "$(dirname "$(dirname "$showtool")")/CMakeCache.txt" 2>/dev/null; then
  [ "$(cat "$work/peak.txt")" -lt $((512 * 1024)) ] || fail "a 4K export took $(cat "$work/peak.txt") kB"
fi
rm -f "$work"/{q0,phone,mail,rate,best,p,4k}.mp4 "$work"/{ntsc.mkv,av1.webm,av1.mp4,peak.txt,tty.txt}

# Music: a 5.0 show; taken away again, or saved as 4.0, the 4.0 file comes back byte for byte.
mkdir "$work/music"
cp "$work/s.sho" "$work/music/plain.sho"
cp "$demo/chime.wav" "$work/music/song one.wav"
"$showtool" set "$work/s.sho" show music="$work/music/song one.wav,$demo/chime.wav" \
  musicvolume=60 musicfadein=0.5 musicfadeout=2 musicloop=1 >/dev/null
head -c 21 "$work/s.sho" | tail -c 20 | grep -qx "Lanternreelworks 5.0" || fail "music did not make a 5.0 file"
"$showtool" dump "$work/s.sho" >"$work/dump.json"
grep -qF "\"music\": {\"tracks\": [\"$work/music/song one.wav\", \"$demo/chime.wav\"], \"volume\": 60, \"fadein\": 500, \"fadeout\": 2000, \"loop\": true}" \
  "$work/dump.json" || fail "dump does not show the music: $(grep music "$work/dump.json")"
expect 0 "which does not keep the music (2 files)" resave "$work/s.sho" "$work/music/four.sho" --format 4
cmp -s "$work/music/four.sho" "$work/music/plain.sho" || fail "resave --format 4 is not the 4.0 show"
mkdir "$work/music/trip"
expect 0 "" build "$work/s.sho" "$work/music/trip/trip.bld"
cmp -s "$work/music/trip/song one.wav" "$demo/chime.wav" || fail "the music was not built beside the show"
"$showtool" dump "$work/music/trip/trip.bld" | grep -qF "\"tracks\": [\"$work/music/trip/song one.wav\"" ||
  fail "the portable show does not find its music beside it"
expect 2 "belongs to the show" set "$work/s.sho" 1 musicvolume=3
"$showtool" set "$work/s.sho" show music= >/dev/null
cmp -s "$work/s.sho" "$work/music/plain.sho" || fail "without its music the show is not the 4.0 file again"
rm -rf "$work/music"

# Drawings: an enhanced metafile (Inkscape's) and a GEM metafile (a blue bar on a page
# of 288 x 192 pixels) added and exported; each is seen in the video where it was drawn.
python3 - "$work/d.gem" <<'PY'
import struct, sys
words = [-1, 24, 101, 2, 0, 0, 288, 192, 762, 508] + [0] * 14   # header: extent, page
words += [23, 0, 1, 0, 1, 25, 0, 1, 0, 4]                          # solid interior, blue
words += [11, 2, 0, 1, 20, 20, 267, 171, -1]                       # bar, end
open(sys.argv[1], "wb").write(struct.pack("<%dh" % len(words), *words))
PY
expect 0 "" add "$work/d.sho" "$2/tests/import/vector/shapes.inkscape.emf" "$work/d.gem" \
  --screen 320x240
"$showtool" set "$work/d.sho" all effect=1 speed=8 duration=time seconds=1 >/dev/null
expect 0 "" export "$work/d.sho" "$work/d.mp4" --size 320x240 --fps 24 --quiet
# pixel SECONDS X Y: the colour of the video at that time and place, as RRGGBB.
pixel() {
  ffmpeg -v error -ss "$1" -i "$work/d.mp4" -frames:v 1 -vf "format=rgb24,crop=1:1:$2:$3" \
    -f rawvideo -pix_fmt rgb24 - | od -An -tx1 | tr -d ' \n'
}
near() { # near RRGGBB RRGGBB: within 40 in each component (the video's compression)
  python3 -c 'import sys; a, b = (bytes.fromhex(v) for v in sys.argv[1:]); sys.exit(max(abs(x - y) for x, y in zip(a, b)) > 40)' "$1" "$2"
}
# 0.25 s of black and a transition of about 0.2 s, then each slide for 1 s.
near "$(pixel 1.0 55 40)" d02090 || fail "the EMF's magenta box is not in the video: $(pixel 1.0 55 40)"
near "$(pixel 1.0 160 5)" ffffff || fail "the EMF's paper is not white: $(pixel 1.0 160 5)"
near "$(pixel 2.3 160 120)" 0000ff || fail "the GEM's blue bar is not in the video: $(pixel 2.3 160 120)"
rm "$work/d.sho" "$work/d.gem" "$work/d.mp4"

# Motion, smooth transitions and fitting: a 5.0 show that dumps as set; Save As 4.0 says
# what falls back; bad values are refused.
mkdir "$work/motion"
m="$work/motion/m.sho"
cp "$work/s.sho" "$m"
"$showtool" set "$m" all motion=auto strength=70 ease=linear transition=push-up >/dev/null
"$showtool" set "$m" 1 start=0,0,400,300 end=100,50,200,150 screen=1920x1080 fit=fill >/dev/null
head -c 21 "$m" | tail -c 20 | grep -qx "Lanternreelworks 5.0" || fail "motion did not make a 5.0 file"
"$showtool" dump "$m" >"$work/dump.json"
grep -qF '"Motion": {"kind": "custom", "strength": 70, "ease": "linear", "start": [0, 0, 400, 300], "end": [100, 50, 200, 150]}' \
  "$work/dump.json" || fail "dump does not show the custom motion: $(grep Motion "$work/dump.json")"
grep -qF '"Transition": "push-up"' "$work/dump.json" || fail "dump does not show the transition"
grep -qE '"ImageWidth": 1920|"ImageHeight": 1080' "$work/dump.json" || fail "fit=fill did not fill the screen"
expect 0 "(Push up becomes Bottom To Top)" resave "$m" "$work/motion/four.sho" --format 4
expect 0 "" resave "$m" "$work/motion/again.sho"
cmp -s "$m" "$work/motion/again.sho" || fail "a show with motion does not save again byte for byte"
expect 2 "bad value for motion" set "$m" 1 motion=spin
expect 2 "bad value for transition" set "$m" 1 transition=swirl
rm -rf "$work/motion"

# shuffle: a show setting of the 5.0 file, dropped (and said so) by a 4.0 save; the
# export follows the order its seed gives, the same order every time.
h="$work/shuffle"
mkdir -p "$h"
colours=(ff0000 00ff00 0000ff ffffff)
for n in 1 2 3 4; do convert -size 320x240 "xc:#${colours[n-1]}" "$h/$n.png"; done
"$showtool" add "$h/s.sho" "$h/1.png" "$h/2.png" "$h/3.png" "$h/4.png" --screen 320x240 >/dev/null
"$showtool" set "$h/s.sho" all effect=0 duration=time seconds=1 >/dev/null
cp "$h/s.sho" "$h/plain.sho"
expect 0 "" resave "$h/plain.sho" "$h/plain-again.sho"
cmp -s "$h/plain.sho" "$h/plain-again.sho" || fail "a show without shuffle changed on saving"
"$showtool" set "$h/s.sho" shuffle=on >/dev/null
head -c 21 "$h/s.sho" | tail -c 20 | grep -qx "Lanternreelworks 5.0" || fail "shuffle did not make a 5.0 file"
"$showtool" dump "$h/s.sho" | grep -qF '"shuffle": true' || fail "dump does not show the shuffle"
expect 0 "" resave "$h/s.sho" "$h/again.sho"
cmp -s "$h/s.sho" "$h/again.sho" || fail "a shuffled show does not save again byte for byte"
expect 0 "the shuffled order" resave "$h/s.sho" "$h/four.sho" --format 4
cmp -s "$h/four.sho" "$h/plain.sho" || fail "a 4.0 save of the shuffled show is not the plain show"
"$showtool" set "$h/s.sho" shuffle=off >/dev/null
cmp -s "$h/s.sho" "$h/plain.sho" || fail "shuffle=off does not give the 4.0 file back"
"$showtool" set "$h/s.sho" show shuffle=on >/dev/null
expect 2 "bad value for shuffle" set "$h/s.sho" shuffle=maybe
# The colour in the middle of each slide's second, in the video's order, each channel
# as full or none.
slide_colours() {
  local d
  d=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$1")
  for k in 0 1 2 3; do
    t=$(awk -v d="$d" -v k="$k" 'BEGIN { print 0.25 + (k + 0.5) * (d - 0.25) / 4 }')
    ffmpeg -v error -ss "$t" -i "$1" -frames:v 1 -vf scale=1:1 -f rawvideo -pix_fmt rgb24 - |
      od -An -tu1 | awk '{ for (i = 1; i <= 3; ++i) printf "%s", ($i >= 128 ? "f" : "0"); print "" }'
  done
}
expect 0 "" export "$h/s.sho" "$h/a.mp4" --size 320x240 --fps 24 --seed 7
order=$(sed -n 's/^shuffled order: //p' "$work/out.txt")
[ "$(echo "$order" | tr ' ' '\n' | sort | tr '\n' ' ')" = "1 2 3 4 " ] || fail "order '$order' is not every slide once"
[ "$order" != "1 2 3 4" ] || fail "the shuffled export kept the show order"
expected=""
for n in $order; do expected+="$(echo "${colours[n-1]}" | sed -E 's/^(.).(.).(.).$/\1\2\3/')"$'\n'; done
[ "$(slide_colours "$h/a.mp4")"$'\n' = "$expected" ] || \
  fail "the video's slides $(slide_colours "$h/a.mp4" | tr '\n' ' ') do not follow the order $order"
expect 0 "" export "$h/s.sho" "$h/b.mp4" --size 320x240 --fps 24 --seed 7
[ "$(sed -n 's/^shuffled order: //p' "$work/out.txt")" = "$order" ] || fail "the same seed gave another order"
[ "$(ffmpeg -v error -i "$h/a.mp4" -map 0:v -f framemd5 -)" = "$(ffmpeg -v error -i "$h/b.mp4" -map 0:v -f framemd5 -)" ] ||
  fail "the same seed gave other frames"
rm -rf "$h"

leftover=$(cd "$work" && ls -A | grep -v -x -e s.sho -e v.mp4 -e v.webm -e v.MKV -e locked \
  -e out.txt -e err.txt -e dump.json || true)
[ -z "$leftover" ] || fail "files left behind: $leftover"
echo "showtool: ok"
