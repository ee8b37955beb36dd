#!/usr/bin/env bash
# showtool as a user runs it, on real files. "add" gives a portable show its pictures
# beside it and writes nothing when nothing was added. "export" writes a complete video
# and ends with status 0, or says why on standard error, ends with status 1 and leaves
# no file behind.
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
expect 1 "two even numbers" export "$work/s.sho" "$work/w.mp4" --size 321x240
expect 1 "must end in .mp4, .mkv or .webm" export "$work/s.sho" "$work/w.avi"
expect 1 "from 0 (best) to 63" export "$work/s.sho" "$work/w.webm" --quality 70
expect 2 "usage: showtool export" export "$work/s.sho" "$work/w.mp4" --speed 3

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

leftover=$(cd "$work" && ls -A | grep -v -x -e s.sho -e v.mp4 -e v.webm -e v.MKV -e locked \
  -e out.txt -e err.txt -e dump.json || true)
[ -z "$leftover" ] || fail "files left behind: $leftover"
echo "showtool: ok"
