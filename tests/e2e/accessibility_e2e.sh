#!/usr/bin/env bash
# End to end: the real designer on a virtual X display and a private session bus with
# the desktop's accessibility bus, read by tests/e2e/read_accessible_tree.py as a screen
# reader reads it (over AT-SPI, not through the program).
#
# usage: accessibility_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=e2e_lib.sh
. "$here/e2e_lib.sh"

launcher=/usr/libexec/at-spi-bus-launcher

if [ "${1:-}" = "--inside" ]; then
  work="$2"
  program="$3"
  "$launcher" --launch-immediately >>"$work/bus.log" 2>&1 &
  bus=$!
  # The toolkit speaks to the bus only when an assistive technology is said to be on.
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" /s "$work/show.sho" >>"$work/program.log" 2>&1 &
  pid=$!
  set +e
  /usr/bin/python3 "$here/read_accessible_tree.py" Lanternreelworks 40 >"$work/tree.log" 2>&1
  faults=$?
  set -e
  kill "$pid" "$bus" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "failures=$faults" >"$work/result"
  exit 0
fi

limit="${3:-120}"
# Debian's own Python, which python3-pyatspi installs into.
e2e_prepare accessibility "$1" "$2" Xvfb dbus-run-session /usr/bin/python3
[ -x "$launcher" ] || { echo "at-spi2-core is missing (scripts/install-deps)" >&2; exit 1; }
/usr/bin/python3 -c "import pyatspi" || { echo "python3-pyatspi is missing (scripts/install-deps)" >&2; exit 1; }
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
timeout "$limit" "$here/with_xvfb.sh" dbus-run-session -- "$0" --inside "$work" "$program" \
  2>>"$work/bus.log" || {
  echo "the accessibility run did not finish within $limit seconds" >&2
  cat "$work/tree.log" "$work/program.log" "$work/bus.log" >&2 || true
  exit 1
}
[ -z "${LRW_E2E_VERBOSE:-}" ] || cat "$work/tree.log"
e2e_report "a screen reader hears a name for every control of the designer" "$work/tree.log"
