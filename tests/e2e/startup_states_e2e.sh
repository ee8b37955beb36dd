#!/usr/bin/env bash
# End to end: the real program on a virtual X display, started the ways a user
# starts it. For each command line it checks which windows appear (the splash, the
# designer), whether the show plays, whether the program ends by itself, and that a
# second copy started meanwhile is refused with "Already Running".
#
# usage: startup_states_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail

if [ "${1:-}" = "--inside" ]; then
  shift
  work="$1"
  program="$2"
  designer_title="Lanternreelworks!"
  splash_title="Velmorra"
  refusal_title="Already Running"

  # Whether a window with exactly this title is on the screen.
  viewable() {
    local id
    for id in $(xwininfo -root -tree 2>/dev/null | grep -F " \"$1\": " | awk '{print $1}'); do
      xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" && return 0
    done
    return 1
  }

  # The show's picture (make_e2e_show paints it #D02090) in the middle of the screen.
  picture_shown() {
    import -display "$DISPLAY" -window root "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -crop 1x1+512+384 -depth 8 txt:- 2>/dev/null | grep -q "#D02090"
  }

  # Starts the program in $work with the given arguments and watches it until it
  # ends, until the designer appears (when $stop_at_designer is yes) or for $limit
  # seconds. Sets: splash, designer, picture (yes/no), ended (yes/no), status.
  observe() {
    (cd "$work" && exec "$program" "$@") >>"$work/program.log" 2>&1 &
    pid=$!
    splash=no designer=no picture=no ended=no status=none
    local deadline=$(($(date +%s) + limit))
    while [ "$(date +%s)" -lt "$deadline" ]; do
      if ! kill -0 "$pid" 2>/dev/null; then
        ended=yes
        break
      fi
      viewable "$splash_title" && splash=yes
      if viewable "$designer_title"; then
        designer=yes
        [ "$stop_at_designer" = yes ] && break
      fi
      [ "$picture" = no ] && picture_shown && picture=yes
      sleep 0.2
    done
    if [ "$ended" = yes ]; then
      set +e
      wait "$pid"
      status=$?
      set -e
    fi
  }

  stop_program() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  }

  failures=0
  expect() {  # expect NAME ACTUAL WANTED
    if [ "$2" != "$3" ]; then
      echo "FAIL $case_name: $1 is $2, expected $3"
      failures=$((failures + 1))
    fi
  }

  # No arguments: splash, then the empty designer. A second copy started while the
  # splash is up is refused and the first copy goes on.
  case_name="no arguments"
  limit=20 stop_at_designer=no
  (cd "$work" && exec "$program") >>"$work/program.log" 2>&1 &
  first=$!
  seen=no
  for _ in $(seq 1 50); do viewable "$splash_title" && { seen=yes; break; }; sleep 0.1; done
  expect "splash" "$seen" yes
  (cd "$work" && exec "$program") >>"$work/program.log" 2>&1 &
  second=$!
  refused=no
  for _ in $(seq 1 50); do viewable "$refusal_title" && { refused=yes; break; }; sleep 0.1; done
  expect "second copy refused" "$refused" yes
  kill "$second" 2>/dev/null || true
  wait "$second" 2>/dev/null || true
  seen=no
  for _ in $(seq 1 100); do viewable "$designer_title" && { seen=yes; break; }; sleep 0.1; done
  expect "designer" "$seen" yes
  expect "splash after the designer appeared" "$(viewable "$splash_title" && echo up || echo gone)" gone
  expect "first copy running" "$(kill -0 "$first" 2>/dev/null && echo yes || echo no)" yes
  kill "$first" 2>/dev/null || true
  wait "$first" 2>/dev/null || true

  # A show file: splash, then the designer with the show under the plain title.
  case_name="show file"
  limit=20 stop_at_designer=yes
  observe "My Show.sho"
  expect "splash" "$splash" yes
  expect "designer" "$designer" yes
  expect "show played" "$picture" no
  stop_program

  # "/c": the show plays, then the designer appears.
  case_name="/c"
  limit=40 stop_at_designer=yes
  observe /c "My Show.sho"
  expect "splash" "$splash" yes
  expect "show played" "$picture" yes
  expect "designer" "$designer" yes
  expect "ended" "$ended" no
  stop_program

  # "/r": the show plays once and the program ends; the designer never appears.
  case_name="/r"
  limit=40 stop_at_designer=no
  observe "My Show.sho" /r
  expect "splash" "$splash" yes
  expect "show played" "$picture" yes
  expect "designer" "$designer" no
  expect "ended" "$ended" yes
  expect "exit status" "$status" 0

  # "/R /S" in upper case before the file: no splash either.
  case_name="/R /S"
  limit=40 stop_at_designer=no
  observe /R /S "My Show.sho"
  expect "splash" "$splash" no
  expect "show played" "$picture" yes
  expect "designer" "$designer" no
  expect "ended" "$ended" yes
  expect "exit status" "$status" 0

  # "/r" without a file ends right after the splash.
  case_name="/r alone"
  limit=20 stop_at_designer=no
  observe /r
  expect "splash" "$splash" yes
  expect "designer" "$designer" no
  expect "ended" "$ended" yes
  expect "exit status" "$status" 0

  # "-embedding" (started for automation): no splash, the designer stays hidden.
  case_name="-embedding"
  limit=4 stop_at_designer=yes
  observe -embedding
  expect "splash" "$splash" no
  expect "designer" "$designer" no
  expect "ended" "$ended" no
  stop_program

  echo "failures=$failures" >"$work/result"
  exit 0
fi

program="$(realpath "$1")"
make_show="$(realpath "$2")"
limit="${3:-240}"

[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/lrw-e2e-startup-XXXXXX)"
trap '[ -n "${LRW_E2E_DEBUG:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
"$make_show" "$work"
# A name with a blank and capitals: the file is opened under its name exactly as given.
mv "$work/show.sho" "$work/My Show.sho"

# XDG_DATA_HOME: every start renews the automation registration; keep it in $work.
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy \
  QT_QPA_PLATFORM=xcb
timeout "$limit" "$here/with_xvfb.sh" "$0" --inside "$work" "$program" || {
  echo "the start-up checks did not finish within $limit seconds" >&2
  cat "$work/program.log" >&2 || true
  exit 1
}
read -r result <"$work/result"
if [ "$result" != "failures=0" ]; then
  echo "$result" >&2
  cat "$work/program.log" >&2 || true
  exit 1
fi
echo "every start-up state behaves as expected"
