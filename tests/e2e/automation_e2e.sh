#!/usr/bin/env bash
# End to end: the automation server of the real program on a private session bus and
# a virtual X display, driven with dbus-send as a controller would drive it. Checks
# that "/regserver" lets the bus start the program hidden, that a failed AddSlide is
# an error reply and shows no message while the designer is hidden, that AddSlide,
# ShowDesignForm, IdentifyController and RunShow (after its save question) act on the
# designer, that the controller hears 1025 (show finished) and then 1026 (designer
# closed), that the program ends by itself once its clients have gone, that a second
# "-embedding" start is refused, and that "/unregserver" removes the registration.
#
# usage: automation_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

if [ "${1:-}" = "--inside" ]; then
  shift
  work="$1"
  program="$2"
  service_file="$XDG_DATA_HOME/dbus-1/services/Quorvel.SlideShowOLE.service"
  call=(dbus-send --session --print-reply --reply-timeout=20000 --dest=Quorvel.SlideShowOLE
        /SlideShowOLE)

  # The pid of the process that owns the server's name, empty when none does.
  server_pid() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.GetConnectionUnixProcessID string:Quorvel.SlideShowOLE 2>/dev/null |
      awk '/uint32/ {print $2}'
  }
  # The controller messages seen so far, as "handle:message" words.
  messages() {
    awk '/member=ControllerMessage/ {n = 0; next}
         /uint32/ && n < 2 {v[n++] = $2; if (n == 2) printf "%s:%s ", v[0], v[1]}' \
      "$work/monitor.log"
  }
  wait_gone() {  # wait_gone PID SECONDS: yes when the process ended in time
    local i
    for i in $(seq 1 $(($2 * 10))); do
      kill -0 "$1" 2>/dev/null || { echo yes; return; }
      sleep 0.1
    done
    echo no
  }

  # Starts the program for automation by hand and waits until it holds the bus name.
  start_embedded() {
    : >"$work/monitor.log"
    "$program" -embedding >>"$work/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 1 100); do [ -n "$(server_pid)" ] && break; sleep 0.1; done
  }
  # expect_ended SECONDS: the program ends in time, by itself, with status 0.
  expect_ended() {
    expect "program ended" "$(wait_gone "$pid" "$1")" yes
    set +e
    wait "$pid"
    status=$?
    set -e
    expect "exit status" "$status" 0
  }
  # picture_while_running: yes once the show's picture is on the screen.
  picture_while_running() {
    local i
    for i in $(seq 1 150); do
      [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null && break
      picture_shown && { echo yes; return; }
      sleep 0.1
    done
    echo no
  }

  dbus-monitor --session "type='signal',interface='Quorvel.SlideShowOLE'" \
    >>"$work/monitor.log" 2>&1 &  # appended: start_embedded empties the file between cases
  monitor=$!
  sleep 0.5

  # Registration needs no display and ends at once.
  case_name="/RegServer"
  set +e
  env -u DISPLAY "$program" /RegServer >>"$work/program.log" 2>&1
  status=$?
  set -e
  expect "exit status" "$status" 0
  expect "service file" "$(grep -c "^Exec=.*lanternreelworks -embedding$" "$service_file")" 1

  # The bus starts the program for the first call; the designer stays hidden until
  # the controller shows it; the show runs, then 1025 and 1026, then the program ends.
  case_name="activation and RunShow"
  expect "AddSlide" "$("${call[@]}" Quorvel.SlideShowOLE.AddSlide string:"$work/picture.bmp" \
    >/dev/null 2>>"$work/program.log" && echo ok)" ok
  pid="$(server_pid)"
  expect "started by the bus" "$([ -n "$pid" ] && echo yes)" yes
  # A picture that cannot be added is an error reply with the reason, and the hidden
  # designer shows no message.
  failed="$("${call[@]}" Quorvel.SlideShowOLE.AddSlide string:"$work/show.sho" 2>&1 || true)"
  expect "failed AddSlide" "$(grep -c "Quorvel.SlideShowOLE.Error.NotAdded" <<<"$failed")" 1
  expect "message while hidden" "$(viewable "Error" && echo shown || echo none)" none
  sleep 0.5
  expect "designer before ShowDesignForm" "$(viewable "Lanternreelworks!" && echo shown || echo hidden)" hidden
  "${call[@]}" Quorvel.SlideShowOLE.ShowDesignForm >/dev/null
  seen=no
  for _ in $(seq 1 50); do viewable "Lanternreelworks!" && { seen=yes; break; }; sleep 0.1; done
  expect "designer after ShowDesignForm" "$seen" yes
  "${call[@]}" Quorvel.SlideShowOLE.IdentifyController uint32:4242 >/dev/null
  # The added slide is not saved: RunShow asks first, and No lets the show replace it.
  "${call[@]}" Quorvel.SlideShowOLE.RunShow string:"$work/show.sho" >/dev/null 2>&1 &
  runshow=$!
  asked=no
  for _ in $(seq 1 100); do viewable "Confirm" && { asked=yes; break; }; sleep 0.1; done
  expect "save question" "$asked" yes
  { xdotool search --name '^Confirm$' windowfocus --sync && xdotool key --clearmodifiers alt+n; } 2>/dev/null || true
  answered=yes
  wait "$runshow" || answered=no
  expect "RunShow answered" "$answered" yes
  expect "show played" "$(picture_while_running)" yes
  expect "program ended" "$([ -n "$pid" ] && wait_gone "$pid" 60)" yes
  expect "controller messages" "$(await "4242:1025 4242:1026 " messages)" "4242:1025 4242:1026 "

  # Started by hand for automation: a second copy is refused; with the designer on
  # screen the last client's leaving closes it (1026), and the program ends.
  case_name="last client leaves a shown designer"
  start_embedded
  "$program" -embedding >>"$work/program.log" 2>&1 &
  second=$!
  refused=no
  for _ in $(seq 1 100); do viewable "Already Running" && { refused=yes; break; }; sleep 0.1; done
  expect "second copy refused" "$refused" yes
  kill "$second" 2>/dev/null || true
  wait "$second" 2>/dev/null || true
  "${call[@]}" Quorvel.SlideShowOLE.IdentifyController uint32:7 >/dev/null
  "${call[@]}" Quorvel.SlideShowOLE.ShowDesignForm >/dev/null
  expect_ended 40
  expect "controller messages" "$(await "7:1026 " messages)" "7:1026 "

  # RunShow on the hidden designer: the show plays, 1025 and 1026, the program ends.
  case_name="RunShow while hidden"
  start_embedded
  "${call[@]}" Quorvel.SlideShowOLE.IdentifyController uint32:11 >/dev/null
  "${call[@]}" Quorvel.SlideShowOLE.RunShow string:"$work/show.sho" >/dev/null
  expect "show played" "$(picture_while_running)" yes
  expect_ended 60
  expect "controller messages" "$(await "11:1025 11:1026 " messages)" "11:1025 11:1026 "

  # A hidden designer simply ends with its last client.
  case_name="last client leaves a hidden designer"
  start_embedded
  "${call[@]}" Quorvel.SlideShowOLE.AddSlide string:"$work/picture.bmp" >/dev/null
  expect_ended 40
  expect "designer" "$(viewable "Lanternreelworks!" && echo shown || echo hidden)" hidden

  # Unregistering removes the file; the bus can no longer start the program.
  case_name="/unregserver"
  set +e
  env -u DISPLAY "$program" -UNREGSERVER >>"$work/program.log" 2>&1
  status=$?
  set -e
  expect "exit status" "$status" 0
  expect "service file" "$([ -e "$service_file" ] && echo present || echo gone)" gone
  # The bus reads its service folders again now rather than when it notices the change (a
  # call that came first would start the program).
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.ReloadConfig >/dev/null
  expect "activation" "$("${call[@]}" Quorvel.SlideShowOLE.ShowDesignForm 2>&1 |
    grep -o ServiceUnknown | head -n 1)" ServiceUnknown

  kill "$monitor" 2>/dev/null || true
  echo "failures=$failures" >"$work/result"
  exit 0
fi

limit="${3:-180}"
e2e_prepare automation "$1" "$2" Xvfb xwininfo xdotool import convert dbus-run-session \
  dbus-send dbus-monitor
# The bus reads service files from $XDG_DATA_HOME/dbus-1/services, which e2e_prepare
# made private: the test neither uses nor changes the user's registration.
unset DBUS_SESSION_BUS_ADDRESS
timeout "$limit" "$here/with_xvfb.sh" dbus-run-session -- "$0" --inside "$work" "$program" \
  2>>"$work/bus.log" || {
  echo "the automation checks did not finish within $limit seconds" >&2
  cat "$work/program.log" "$work/bus.log" >&2 || true
  exit 1
}
e2e_report "the automation server behaves as expected" "$work/program.log"
