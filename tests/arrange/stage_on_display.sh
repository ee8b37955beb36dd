#!/usr/bin/env bash
# Runs the arrangement stage's window tests on a real display server instead of the
# offscreen one: where a window manager or a compositor could place, clamp or ignore
# windows, the stage's forms must still stay where the slide puts them.
#   openbox: a private Xvfb with openbox managing the full-screen stage; the kept-slide
#            test sends its keys through the X server, so openbox handles Alt+F4.
#   weston:  weston's headless compositor with Qt's Wayland platform.
#
# usage: stage_on_display.sh openbox|weston TEST_EXECUTABLE [GTEST_FILTER]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mode="$1"
tests="$(realpath "$2")"
filter="${3:-*}"

work="$(mktemp -d /tmp/lrw-stage-XXXXXX)"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work"

case "$mode" in
  openbox)
    for tool in openbox xdotool xprop; do
      command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
    done
    # The inner script runs on the private display that with_xvfb.sh starts; it expands
    # its own variables there.
    # shellcheck disable=SC2016
    inner='
      openbox --sm-disable >"$0/openbox.log" 2>&1 &
      wm=$!
      trap "kill $wm 2>/dev/null || true" EXIT
      for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
      done
      xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || {
        echo "openbox did not start:" >&2; cat "$0/openbox.log" >&2; exit 1; }
      QT_QPA_PLATFORM=xcb LRW_STAGE_X_KEYS=1 "$1" --gtest_filter="$2"'
    status=0
    "$here/../e2e/with_xvfb.sh" bash -c "$inner" "$work" "$tests" "$filter" || status=$?
    ;;
  weston)
    command -v weston >/dev/null || { echo "weston is missing (scripts/install-deps)" >&2; exit 1; }
    unset DISPLAY
    export WAYLAND_DISPLAY="lrw-stage-$$"
    weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
      --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
    weston=$!
    for _ in $(seq 1 100); do
      [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
      sleep 0.1
    done
    status=0
    if [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
      QT_QPA_PLATFORM=wayland \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" \
        "$tests" --gtest_filter="$filter" || status=$?
    else
      echo "weston did not start:" >&2
      cat "$work/weston.log" >&2
      status=1
    fi
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 openbox|weston TEST_EXECUTABLE [GTEST_FILTER]" >&2
    exit 2
    ;;
esac
rm -rf "$work"
exit "$status"
