#!/usr/bin/env bash
# showtool export end to end: a complete file and exit status 0, or a clear message on
# standard error, exit status 1 and no file.
#
# usage: showtool_export_test.sh SHOWTOOL SOURCE_DIR
set -euo pipefail

showtool="$1"
demo="$2/examples/demo"
work="$(mktemp -d /tmp/lrw-showtool-export-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$showtool" add "$work/s.sho" "$demo/01-dawn.jpg" "$demo/02-night.jpg" --screen 320x240 >/dev/null
"$showtool" set "$work/s.sho" all effect=1 speed=8 duration=time seconds=1 >/dev/null

# expect STATUS MESSAGE_PART ARGS...: runs an export and checks its status and stderr.
expect() {
  local status="$1" message="$2" actual=0
  shift 2
  "$showtool" export "$@" >"$work/out.txt" 2>"$work/err.txt" || actual=$?
  [ "$actual" = "$status" ] || fail "export $* ended with $actual, not $status: $(cat "$work/err.txt")"
  grep -qF -- "$message" "$work/err.txt" || fail "export $* did not say '$message': $(cat "$work/err.txt")"
}

expect 0 "" "$work/s.sho" "$work/v.mp4" --size 320x240 --fps 24 --quiet
[ ! -s "$work/out.txt" ] || fail "--quiet printed: $(cat "$work/out.txt")"
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$work/v.mp4")
# 0.25 s of black, two transitions of about 0.2 s and two slides of 1 s.
awk -v d="$duration" 'BEGIN { exit !(d > 2.5 && d < 2.8) }' || fail "duration $duration"
before=$(md5sum <"$work/v.mp4")

expect 1 "showtool export: The file \"$work/v.mp4\" already exists." \
  "$work/s.sho" "$work/v.mp4" --size 320x240
[ "$(md5sum <"$work/v.mp4")" = "$before" ] || fail "an existing file was changed without --force"
expect 0 "" "$work/s.sho" "$work/v.mp4" --size 320x240 --enter-seconds 1 --quality 30 --force
grep -q "exported $work/v.mp4: " "$work/out.txt" || fail "no summary: $(cat "$work/out.txt")"

expect 1 "showtool export: Cannot create file \"$work/missing/v.webm\"." \
  "$work/s.sho" "$work/missing/v.webm" --size 320x240
expect 1 "two even numbers" "$work/s.sho" "$work/w.mp4" --size 321x240
expect 1 "must end in .mp4, .mkv or .webm" "$work/s.sho" "$work/w.avi"
expect 1 "from 0 (best) to 63" "$work/s.sho" "$work/w.webm" --quality 70
expect 2 "usage: showtool export" "$work/s.sho" "$work/w.mp4" --speed 3

leftover=$(cd "$work" && ls -A | grep -v -e '^s.sho$' -e '^v.mp4$' -e '^out.txt$' -e '^err.txt$' || true)
[ -z "$leftover" ] || fail "files left behind: $leftover"
echo "showtool export: ok"
