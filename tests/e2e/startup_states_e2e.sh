#!/usr/bin/env bash
# End to end: the real program on a virtual X display, started the ways a user
# starts it. For each command line it checks which windows appear (the splash, the
# designer), whether the show plays, whether the program ends by itself, and that a
# second copy started meanwhile is refused with "Already Running".
#
# usage: startup_states_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  shift
  work="$1"
  program="$2"
  designer_title="Lanternreelworks!"
  splash_title="Velmorra"
  refusal_title="Already Running"

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

  # "/R /S" in upper case before the file, with a switch the program does not know and
  # the file as the URI a file manager passes: no splash either, and the show plays.
  case_name="/R /S /q file URI"
  limit=40 stop_at_designer=no
  observe /R /S /q "file://$work/My%20Show.sho"
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

limit="${3:-240}"
e2e_prepare startup "$1" "$2" Xvfb xwininfo import convert
# A name with a blank and capitals: the file is opened under its name exactly as given.
mv "$work/show.sho" "$work/My Show.sho"

timeout "$limit" "$here/with_xvfb.sh" "$0" --inside "$work" "$program" || {
  echo "the start-up checks did not finish within $limit seconds" >&2
  cat "$work/program.log" >&2 || true
  exit 1
}
e2e_report "every start-up state behaves as expected" "$work/program.log"
