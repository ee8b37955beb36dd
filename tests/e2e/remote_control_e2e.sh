#!/usr/bin/env bash
# End to end: the real program on a virtual X display of two RandR monitors side by side
# and a private session bus, driven from afar. The designer sits on the left monitor and
# the show fills the right one; playerctl, a clicker's keys and the media keys drive it
# through a whole run; playerctl stop ends it and the player leaves the bus; "Play on"
# then picks the left monitor.
#
# usage: remote_control_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  work="$2"
  program="$3"
  set +e  # every check counts on its own
  xrandr --setmonitor LEFT 1024/271x768/203+0+0 screen >/dev/null
  xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null

  pc() { playerctl --player=lanternreelworks "$@"; }
  track() { pc metadata xesam:trackNumber; }
  status() { pc status; }
  can() {
    dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.lanternreelworks \
      /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get \
      string:org.mpris.MediaPlayer2.Player "string:Can$1" | awk '/variant/ {print $3}'
  }
  pixel() {  # pixel X Y: its colour on the screen
    import -display "$DISPLAY" -window root "$work/shot.png" &&
      convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'
  }
  middle() { pixel 1536 384; }
  # Keys to the show's window, or the designer: focus it (--sync waits for the focus, so
  # not forever), then type at the keyboard. Typing through a window target would send the
  # key's release to that window once another has taken the focus (the designer's Ctrl+B
  # opens the show), leaving the key down and repeating.
  focus_and_type() {  # focus_and_type SEARCH_ARGS... -- KEY_ARGS...
    local search=()
    while [ "$1" != -- ]; do search+=("$1"); shift; done
    shift
    timeout 5 xdotool search "${search[@]}" windowfocus --sync && timeout 5 xdotool key "$@"
  }
  key() { focus_and_type --onlyvisible --name '^Lanternreelworks$' -- "$@"; }
  designer_key() { focus_and_type --name '^Lanternreelworks!$' -- --clearmodifiers "$@"; }
  run_show() {  # Ctrl+B, again while the designer is still settling
    for _ in $(seq 1 10); do
      designer_key ctrl+b
      [ "$(await yes viewable_show)" = yes ] && return
    done
  }
  viewable_show() { viewable Lanternreelworks && echo yes; }

  dbus-monitor --session "type='signal',interface='org.freedesktop.DBus.Properties'" \
    >"$work/monitor.log" 2>&1 &
  (cd "$work" && exec "$program" /s remote.sho) >"$work/program.log" 2>&1 &
  pid=$!
  await yes eval 'viewable "Lanternreelworks!" && echo yes' >/dev/null
  run_show
  await 1 track >/dev/null
  art="$(pc metadata mpris:artUrl)"
  case_name="start"
  expect "designer on the left" "$(xwininfo -id "$(xdotool search --name '^Lanternreelworks!$')" |
    awk '/Absolute upper-left X/ {print ($4 < 1024) ? "yes" : "no"}')" yes
  expect "title" "$(pc metadata xesam:title)" "Slide 1"
  expect "show name" "$(pc metadata xesam:album)" remote
  expect "picture of the slide" "$(identify -format '%m %w' "${art#file://}")" "PNG 320"
  expect "in the runtime folder" "$(dirname "${art#file://}")" "$XDG_RUNTIME_DIR"

  # Each step: what it is, what it does, what it reads back, and the value wanted.
  while IFS='@' read -r case_name action probe want; do
    eval "$action"
    expect "$probe" "$(await "$want" $probe)" "$want"
  done <<'STEPS'
first slide on the right@@middle@#002040
playing@@status@Playing
no previous at the start@@can GoPrevious@false
playerctl next@pc next@track@2
playerctl previous@pc previous@track@1
playerctl next@pc next@track@2
playerctl next to the last@pc next@track@3
picture on the right@@middle@#D02090
picture's name@@pc metadata xesam:title@picture.bmp
length of a timed slide@@pc metadata mpris:length@60000000
no next at the end@@can GoNext@false
playerctl next at the end@pc next; sleep 0.3@track@3
Page Up@key Page_Up@track@2
Page Up@key Page_Up@track@1
Page Down@key Page_Down@track@2
B blanks@key b@middle@#000000
blanked is paused@@status@Paused
B uncovers@key b@middle@#008000
playing again@@status@Playing
W whitens@key w@middle@#FFFFFF
. turns white to black@key period@middle@#000000
. uncovers@key period@middle@#008000
Space@key space@track@3
Previous media key@key XF86AudioPrev@track@2
Previous media key@key XF86AudioPrev@track@1
Next media key@key XF86AudioNext@track@2
Previous media key@key XF86AudioPrev@track@1
Play/Pause media key pauses@key XF86AudioPlay@status@Paused
Play/Pause to the pause message goes on@sleep 0.5; xdotool key XF86AudioPlay@track@2
playerctl pause@pc pause@status@Paused
playerctl play goes on@pc play@track@3
playerctl stop@pc stop@eval playerctl -l | grep -c lanternreelworks@0
STEPS
  case_name="after stop"
  expect "pictures removed" "$(ls "$XDG_RUNTIME_DIR" | grep -c '\.png$')" 0
  expect "signals" "$(awk '/member=PropertiesChanged/ {n++} END {print (n >= 10)}' "$work/monitor.log")" 1

  case_name="Play on"
  designer_key alt+r && sleep 0.5 && xdotool key o && sleep 0.5 && xdotool key Home Return
  expect "remembered" "$(await 1 grep -c '^playOn=LEFT$' "$XDG_CONFIG_HOME/lanternreelworks/lanternreelworks.ini")" 1
  run_show
  expect "first slide on the left" "$(await '#002040' pixel 512 384)" '#002040'
  key Escape
  sleep 1
  kill "$pid"
  wait "$pid"

  echo "failures=$failures" >"$work/result"
  exit 0
fi

e2e_prepare remote "$1" "$2" playerctl xdotool xrandr dbus-run-session import identify
export XDG_CONFIG_HOME="$work/config" LRW_XVFB_SCREEN=2048x768x24
mkdir -p "$XDG_CONFIG_HOME"
timeout "${3:-120}" dbus-run-session -- "$here/with_xvfb.sh" "$0" --inside "$work" "$program" \
  >"$work/inside.log" 2>&1 || {
  echo "the run did not finish in time" >&2
  cat "$work/inside.log" "$work/program.log" >&2
  exit 1
}
cat "$work/inside.log"
e2e_report "a clicker, media keys and playerctl drove the show on the second monitor" \
  "$work/program.log" "$work/inside.log"
