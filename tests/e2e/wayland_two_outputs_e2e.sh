#!/usr/bin/env bash
# End to end on Wayland with two outputs: weston's X11 back end nested in a virtual X
# display twice as wide (one window per output, side by side) and the real program on
# Qt's Wayland platform. The show fills the output the designer is not on, and "/r"
# plays on the remembered output, the first and then the second.
#
# usage: wayland_two_outputs_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  work="$2"
  program="$3"
  set +e
  export WAYLAND_DISPLAY="lrw-e2e-$$"
  weston --backend=x11-backend.so --use-pixman --no-config --idle-time=0 --output-count=2 \
    --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
  trap 'kill $! 2>/dev/null' EXIT
  for _ in $(seq 1 100); do
    [ "$(grep -c 'enabled with head' "$work/weston.log")" = 2 ] && break
    sleep 0.1
  done
  read -r -a outputs <<<"$(grep -o 'window id [0-9]*' "$work/weston.log" | awk '{printf "%s ", $3}')"
  xdotool windowmove --sync "${outputs[1]}" 1024 0

  shown_on() {  # shown_on COLOUR: left or right, whichever output's middle shows it (5 s)
    for _ in $(seq 1 50); do
      import -display "$DISPLAY" -window root "$work/shot.png"
      for side in left:512 right:1536; do
        convert "$work/shot.png" -crop "1x1+${side#*:}+384" -depth 8 txt:- | grep -q "$1" &&
          { echo "${side%:*}"; return; }
      done
      sleep 0.1
    done
    echo none
  }
  colours() {  # colours X: how many colours the output from X shows
    convert "$work/shot.png" -crop "1024x768+$1+0" -format '%k' info:
  }

  case_name="show beside the designer"
  (cd "$work" && exec "$program" /s remote.sho) >"$work/program.log" 2>&1 &
  pid=$!
  sleep 2
  import -display "$DISPLAY" -window root "$work/shot.png"
  # The designer brings many colours to the output the compositor gave it.
  designer=left other=right window="${outputs[0]}"
  [ "$(colours 1024)" -gt "$(colours 0)" ] && designer=right other=left window="${outputs[1]}"
  for _ in $(seq 1 3); do
    # Through the X server's test extension: weston ignores synthetic key events.
    timeout 5 xdotool windowfocus --sync "$window" && timeout 5 xdotool key ctrl+b
    [ "$(shown_on '#002040')" != none ] && break
  done
  expect "first slide beside the designer ($designer)" "$(shown_on '#002040')" "$other"
  kill "$pid"
  wait "$pid"
  sleep 1

  for side in left:screen0 right:screen1; do
    case_name="/r on the remembered output (${side#*:})"
    printf '[show]\nplayOn=%s\n' "${side#*:}" >"$XDG_CONFIG_HOME/lanternreelworks/lanternreelworks.ini"
    (cd "$work" && exec "$program" /s /r remote.sho) >>"$work/program.log" 2>&1 &
    pid=$!
    expect "first slide" "$(shown_on '#002040')" "${side%:*}"
    kill "$pid"
    wait "$pid"
    sleep 1  # the compositor lets a closed window fade out
  done
  echo "failures=$failures" >"$work/result"
  exit 0
fi

e2e_prepare wayland2 "$1" "$2" weston xdotool import convert
export XDG_CONFIG_HOME="$work/config" LRW_XVFB_SCREEN=2048x768x24 QT_QPA_PLATFORM=wayland
mkdir -p "$XDG_CONFIG_HOME/lanternreelworks"
timeout "${3:-90}" "$here/with_xvfb.sh" "$0" --inside "$work" "$program" >"$work/inside.log" 2>&1 || {
  echo "the run did not finish in time" >&2
  cat "$work/inside.log" "$work/program.log" "$work/weston.log" >&2
  exit 1
}
cat "$work/inside.log"
e2e_report "on Wayland the show played beside the designer and on the remembered output" \
  "$work/program.log" "$work/inside.log"
