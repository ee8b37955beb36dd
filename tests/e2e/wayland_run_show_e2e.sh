#!/usr/bin/env bash
# End to end on Wayland: the real program, on Qt's Wayland platform and without any X
# display, plays the three-slide show with "/s /r" on a headless weston compositor of
# its own. It names its desktop entry to the compositor, goes full screen, shows the
# picture slide, ends by itself with status 0, and writes no bus registration.
#
# usage: wayland_run_show_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

limit="${3:-60}"
e2e_prepare wayland "$1" "$2" weston weston-screenshooter convert
unset DISPLAY
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="lrw-e2e-$$"
# Under the sanitizers: the Wayland platform's memory is kept by system libraries
# (tests/sanitizers/lsan.supp) whose frames only the slow unwinder sees.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
# The desktop entry's name is the application id the program must give.
desktop_entry="$(ls "$here"/../../resources/desktop/*.desktop)"
app_id="$(basename "$desktop_entry" .desktop)"

# --debug lets weston-screenshooter take pictures; pixman draws without a GPU.
weston --backend=headless-backend.so --use-pixman --debug --no-config --idle-time=0 \
  --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true
      [ -n "${LRW_E2E_DEBUG:-}" ] || rm -rf "$work"' EXIT
for _ in $(seq 1 100); do
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || {
  echo "weston did not start:" >&2
  cat "$work/weston.log" >&2
  exit 1
}

# The screen's middle pixel, through the compositor's own screenshot.
middle_pixel() {
  rm -rf "$work/shots" && mkdir "$work/shots"
  (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || return 0
  local shot
  shot="$(ls "$work"/shots/*.png 2>/dev/null | head -n 1)"
  [ -n "$shot" ] && convert "$shot" -crop 1x1+512+384 -depth 8 txt:- 2>/dev/null | tail -n 1
}

case_name="Wayland run"
# WAYLAND_DEBUG logs every request the program makes, its application id among them.
(cd "$work" && WAYLAND_DEBUG=client exec timeout "$limit" "$program" /s /r show.sho) \
  >"$work/program.log" 2>&1 &
pid=$!
seen=no
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  case "$(middle_pixel)" in *"#D02090"*) seen=yes; break ;; esac
  sleep 0.1
done
set +e
wait "$pid"
status=$?
set -e

expect "exit status" "$status" 0
expect "picture slide shown" "$seen" yes
expect "application id" "$(grep -c "set_app_id(\"$app_id\")" "$work/program.log")" 1
expect "full screen" "$(grep -q 'xdg_toplevel@[0-9]*\.set_fullscreen' "$work/program.log" && echo yes)" yes
expect "X11 used" "$(grep -qi 'xcb' "$work/program.log" && echo yes || echo no)" no
expect "bus registration written" \
  "$([ -e "$XDG_DATA_HOME/dbus-1/services/Quorvel.SlideShowOLE.service" ] && echo yes || echo no)" no
echo "failures=$failures" >"$work/result"
e2e_report "the show played on Wayland and ended by itself" "$work/weston.log" "$work/program.log"
