#!/usr/bin/env bash
# End to end on Wayland with two outputs: weston (its X11 back end, nested in a virtual X
# display twice as wide, one window per output, side by side) and the real program on
# Qt's Wayland platform.
# - "Run the Show from the Beginning" fills the output the designer is not on, and the
#   designer stays on its own.
# - "/r" plays on the remembered output, the first and then the second.
#
# usage: wayland_two_outputs_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  shift
  work="$1"
  program="$2"
  set +e
  export WAYLAND_DISPLAY="lrw-e2e-$$"
  weston --backend=x11-backend.so --use-pixman --no-config --idle-time=0 --output-count=2 \
    --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
  weston=$!
  for _ in $(seq 1 100); do
    [ "$(grep -c 'enabled with head' "$work/weston.log")" = 2 ] && break
    sleep 0.1
  done
  # The outputs' windows, the second moved beside the first.
  read -r -a outputs <<<"$(grep -o 'window id [0-9]*' "$work/weston.log" | awk '{printf "%s ", $3}')"
  xdotool windowmove --sync "${outputs[1]}" 1024 0

  # colour_at X Y: the colour of one pixel of the X display (the outputs' windows).
  colour_at() {
    import -display "$DISPLAY" -window root "$work/shot.png" 2>/dev/null || return 0
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}'
  }
  # shown_on COLOUR: left, right or none, whichever output's middle shows it (within 5 s).
  shown_on() {
    local i
    for i in $(seq 1 50); do
      [ "$(colour_at 512 384)" = "$1" ] && { echo left; return; }
      [ "$(colour_at 1536 384)" = "$1" ] && { echo right; return; }
      sleep 0.1
    done
    echo none
  }

  case_name="show beside the designer"
  (cd "$work" && exec "$program" /s remote.sho) >"$work/program.log" 2>&1 &
  pid=$!
  sleep 2
  # Which output the compositor gave the designer: the one whose picture changed.
  designer=none
  for _ in $(seq 1 50); do
    import -display "$DISPLAY" -window root "$work/designer.png" 2>/dev/null
    left="$(convert "$work/designer.png" -crop 1024x768+0+0 -format '%k' info: 2>/dev/null)"
    right="$(convert "$work/designer.png" -crop 1024x768+1024+0 -format '%k' info: 2>/dev/null)"
    # The designer's window brings many colours to its output.
    if [ "${left:-0}" -gt $((${right:-0} + 50)) ]; then designer=left; break; fi
    if [ "${right:-0}" -gt $((${left:-0} + 50)) ]; then designer=right; break; fi
    sleep 0.1
  done
  expect "designer placed" "$([ "$designer" != none ] && echo yes)" yes
  target="${outputs[0]}"
  [ "$designer" = right ] && target="${outputs[1]}"
  # Keys through the X server's test extension reach weston, which hands them to the
  # designer (synthetic events to a window it would ignore).
  for _ in $(seq 1 3); do
    xdotool windowfocus --sync "$target" 2>/dev/null
    xdotool key ctrl+b
    [ "$(shown_on '#002040')" != none ] && break
  done
  other=left
  [ "$designer" = left ] && other=right
  expect "first slide on the other output" "$(shown_on '#002040')" "$other"
  xdotool key Escape
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null

  for side in left right; do
    case_name="/r on the remembered output ($side)"
    name=screen0
    [ "$side" = right ] && name=screen1
    printf '[show]\nplayOn=%s\n' "$name" >"$XDG_CONFIG_HOME/lanternreelworks/lanternreelworks.ini"
    (cd "$work" && exec "$program" /s /r show.sho) >>"$work/program.log" 2>&1 &
    pid=$!
    expect "picture" "$(shown_on '#D02090')" "$side"
    ended=no
    for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || { ended=yes; break; }; sleep 0.1; done
    expect "ended by itself" "$ended" yes
  done

  kill "$weston" 2>/dev/null
  wait "$weston" 2>/dev/null
  echo "failures=$failures" >"$work/result"
  exit 0
fi

limit="${3:-90}"
e2e_prepare wayland2 "$1" "$2" weston xdotool import convert
export XDG_CONFIG_HOME="$work/config" LRW_XVFB_SCREEN=2048x768x24 QT_QPA_PLATFORM=wayland
mkdir -p "$XDG_CONFIG_HOME/lanternreelworks"
timeout "$limit" "$here/with_xvfb.sh" "$0" --inside "$work" "$program" >"$work/inside.log" 2>&1 || {
  echo "the run did not finish within $limit seconds" >&2
  cat "$work/inside.log" "$work/program.log" "$work/weston.log" >&2 || true
  exit 1
}
cat "$work/inside.log"
e2e_report "on Wayland the show played on the output the designer was not on, and on the remembered one" \
  "$work/program.log" "$work/inside.log"
