#!/usr/bin/env bash
# End to end: the real program on a virtual X display with two monitors side by side
# (RandR) and a private session bus, driven as a presenter drives it from afar.
# - The designer sits on the left monitor; "Run the Show from the Beginning" fills the
#   right one, and the designer stays on the left, following the show in its strip.
# - playerctl (the desktop's media player client) sees the show as a media player:
#   status, metadata (show name, track, title, length, picture), next, previous, pause
#   and play, and the ends of a show that does not loop; PropertiesChanged is signalled.
# - A clicker's keys (Page Down, Page Up, Space, B, ".", W) and the media keys drive it.
# - playerctl stop ends the show; the player leaves the bus and its pictures go.
# - "Play on" in the Run menu picks the left monitor, and the next show fills it.
# - "/r" plays on the remembered monitor.
#
# usage: remote_control_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  shift
  work="$1"
  program="$2"
  # Every check counts as a failure of its own; none ends the run.
  set +e
  pc=(playerctl --player=lanternreelworks)
  mpris=(dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.lanternreelworks
         /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get
         string:org.mpris.MediaPlayer2.Player)

  xrandr --setmonitor LEFT 1024/271x768/203+0+0 screen >/dev/null
  xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null

  # pixel X Y: the colour of one pixel of the screen.
  pixel() {
    import -display "$DISPLAY" -window root "$work/shot.png" 2>/dev/null || return 0
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}'
  }
  # wait_pixel X Y COLOUR: yes once that pixel has that colour (within 5 s).
  wait_pixel() {
    local i
    for i in $(seq 1 50); do
      [ "$(pixel "$1" "$2")" = "$3" ] && { echo yes; return; }
      sleep 0.1
    done
    echo "no ($(pixel "$1" "$2"))"
  }
  # wait_track N: the slide number the player reports, once it is N (within 5 s).
  wait_track() {
    local i track=""
    for i in $(seq 1 50); do
      track="$("${pc[@]}" metadata xesam:trackNumber 2>/dev/null || true)"
      [ "$track" = "$1" ] && break
      sleep 0.1
    done
    echo "$track"
  }
  wait_status() {
    local i status=""
    for i in $(seq 1 50); do
      status="$("${pc[@]}" status 2>/dev/null || true)"
      [ "$status" = "$1" ] && break
      sleep 0.1
    done
    echo "$status"
  }
  property() { "${mpris[@]}" "string:$1" 2>/dev/null | awk '/variant/ {print $3}'; }
  show_key() {  # show_key KEY...: keys to the show's window
    xdotool search --onlyvisible --name '^Lanternreelworks$' windowfocus --sync key "$@" 2>/dev/null ||
      xdotool key "$@"
  }

  dbus-monitor --session "type='signal',interface='org.freedesktop.DBus.Properties'" \
    >"$work/monitor.log" 2>&1 &
  monitor=$!

  case_name="show on the other monitor"
  (cd "$work" && exec "$program" /s remote.sho) >"$work/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do viewable "Lanternreelworks!" && break; sleep 0.1; done
  # run_show: Ctrl+B in the designer (again while the designer is still settling).
  run_show() {
    local i
    for i in $(seq 1 10); do
      xdotool search --name '^Lanternreelworks!$' windowfocus --sync key --clearmodifiers ctrl+b
      for _ in $(seq 1 10); do viewable Lanternreelworks && return; sleep 0.1; done
    done
  }
  run_show
  # The first slide's background, in the middle of the right monitor.
  expect "first slide on the right" "$(wait_pixel 1536 384 '#002040')" yes
  designer="$(xdotool search --name '^Lanternreelworks!$' | head -n 1)"
  expect "designer on the left" \
    "$(xwininfo -id "$designer" | awk '/Absolute upper-left X/ {print ($4 < 1024) ? "yes" : "no"}')" yes
  expect "designer shown" "$(viewable "Lanternreelworks!" && echo yes)" yes

  case_name="playerctl"
  for _ in $(seq 1 50); do playerctl -l 2>/dev/null | grep -qx lanternreelworks && break; sleep 0.1; done
  expect "status" "$(wait_status Playing)" Playing
  expect "track" "$(wait_track 1)" 1
  expect "title" "$("${pc[@]}" metadata xesam:title)" "Slide 1"
  expect "show name" "$("${pc[@]}" metadata xesam:album)" remote
  art="$("${pc[@]}" metadata mpris:artUrl)"
  expect "picture of the slide" "$(identify -format '%m %w' "${art#file://}" 2>/dev/null)" "PNG 320"
  expect "art in the runtime folder" "$(dirname "${art#file://}")" "$XDG_RUNTIME_DIR"
  expect "previous at the start" "$(property CanGoPrevious)" false
  "${pc[@]}" next
  expect "next" "$(wait_track 2)" 2
  "${pc[@]}" previous
  expect "previous" "$(wait_track 1)" 1
  "${pc[@]}" next
  wait_track 2 >/dev/null
  "${pc[@]}" next
  expect "last" "$(wait_track 3)" 3
  expect "picture on the right" "$(wait_pixel 1536 384 '#D02090')" yes
  expect "picture title" "$("${pc[@]}" metadata xesam:title)" picture.bmp
  expect "length of a timed slide" "$("${pc[@]}" metadata mpris:length)" 60000000
  expect "next at the end" "$(property CanGoNext)" false
  expect "previous at the end" "$(property CanGoPrevious)" true
  "${pc[@]}" next  # nothing beyond the end of a show that does not loop
  sleep 0.3
  expect "still playing" "$(wait_status Playing)" Playing

  case_name="clicker keys"
  show_key Page_Up
  expect "Page Up" "$(wait_track 2)" 2
  show_key Page_Up
  expect "Page Up again" "$(wait_track 1)" 1
  show_key Page_Down
  expect "Page Down" "$(wait_track 2)" 2
  show_key b
  expect "B blanks" "$(wait_pixel 1536 384 '#000000')" yes
  expect "blanked is paused" "$(wait_status Paused)" Paused
  show_key b
  expect "B again uncovers" "$(wait_pixel 1536 384 '#008000')" yes
  expect "playing again" "$(wait_status Playing)" Playing
  show_key w
  expect "W whitens" "$(wait_pixel 1536 384 '#FFFFFF')" yes
  show_key period
  expect "\".\" turns it black" "$(wait_pixel 1536 384 '#000000')" yes
  show_key period
  expect "\".\" again uncovers" "$(wait_pixel 1536 384 '#008000')" yes
  show_key space
  expect "Space" "$(wait_track 3)" 3

  case_name="media keys"
  show_key XF86AudioPrev
  expect "Previous" "$(wait_track 2)" 2
  show_key XF86AudioPrev
  expect "Previous again" "$(wait_track 1)" 1
  show_key XF86AudioNext
  expect "Next" "$(wait_track 2)" 2
  show_key XF86AudioPrev
  wait_track 1 >/dev/null
  show_key XF86AudioPlay
  expect "Play/Pause pauses" "$(wait_status Paused)" Paused
  sleep 0.5
  xdotool key XF86AudioPlay  # to the pause message, which has the keyboard now
  expect "Play/Pause goes on" "$(wait_status Playing)" Playing
  expect "with the next slide" "$(wait_track 2)" 2

  case_name="pause and play"
  "${pc[@]}" pause
  expect "pause" "$(wait_status Paused)" Paused
  "${pc[@]}" play
  expect "play" "$(wait_status Playing)" Playing
  expect "next slide after the pause" "$(wait_track 3)" 3
  expect "signals" "$(grep -c 'member=PropertiesChanged' "$work/monitor.log" | awk '{print ($1 >= 10) ? "yes" : $1}')" yes

  case_name="stop"
  "${pc[@]}" stop
  gone=no
  for _ in $(seq 1 50); do playerctl -l 2>/dev/null | grep -qx lanternreelworks || { gone=yes; break; }; sleep 0.1; done
  expect "player gone" "$gone" yes
  expect "pictures removed" "$(ls "$XDG_RUNTIME_DIR" | grep -c '\.png$' || true)" 0
  expect "designer back" "$(viewable "Lanternreelworks!" && echo yes)" yes

  case_name="Play on"
  xdotool search --name '^Lanternreelworks!$' windowfocus --sync key --clearmodifiers alt+r
  sleep 0.5
  xdotool key o
  sleep 0.5
  xdotool key Home Return
  sleep 0.3
  expect "remembered" "$(grep -c '^playOn=LEFT$' "$XDG_CONFIG_HOME/lanternreelworks/lanternreelworks.ini" 2>/dev/null)" 1
  run_show
  expect "first slide on the left" "$(wait_pixel 512 384 '#002040')" yes
  show_key Escape
  sleep 1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  case_name="/r on the remembered monitor"
  printf '[show]\nplayOn=RIGHT\n' >"$XDG_CONFIG_HOME/lanternreelworks/lanternreelworks.ini"
  (cd "$work" && exec "$program" /s /r show.sho) >>"$work/program.log" 2>&1 &
  pid=$!
  expect "picture on the right" "$(wait_pixel 1536 384 '#D02090')" yes
  ended=no
  for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || { ended=yes; break; }; sleep 0.1; done
  expect "ended by itself" "$ended" yes

  kill "$monitor" 2>/dev/null || true
  echo "failures=$failures" >"$work/result"
  exit 0
fi

limit="${3:-120}"
e2e_prepare remote "$1" "$2" playerctl xdotool xrandr dbus-run-session import identify
export XDG_CONFIG_HOME="$work/config" LRW_XVFB_SCREEN=2048x768x24
mkdir -p "$XDG_CONFIG_HOME"
timeout "$limit" dbus-run-session -- "$here/with_xvfb.sh" "$0" --inside "$work" "$program" \
  >"$work/inside.log" 2>&1 || {
  echo "the run did not finish within $limit seconds" >&2
  cat "$work/inside.log" "$work/program.log" >&2 || true
  exit 1
}
cat "$work/inside.log"
e2e_report "a clicker, media keys and playerctl drove the show on the second monitor" \
  "$work/program.log" "$work/inside.log"
