#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (1024 x 768, 24 bits, or the size
# in LRW_XVFB_SCREEN, e.g. 2048x768x24 for two screens side by side).
# The server chooses a free display number itself and reports it once it accepts
# connections (-displayfd), so end-to-end tests started side by side, or by other
# users of the machine, never end up sharing one server. -noreset: by default the
# server resets whenever its last client leaves, and a program that connects during
# the reset is refused, as happens between two runs of the program under test.
#
# usage: with_xvfb.sh COMMAND [ARGS...]
set -euo pipefail
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/install-deps)" >&2; exit 1; }

dir="$(mktemp -d /tmp/lrw-xvfb-XXXXXX)"
Xvfb -displayfd 3 -screen 0 "${LRW_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/server.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$dir"' EXIT

for _ in $(seq 1 200); do
  [ -s "$dir/display" ] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "the virtual display did not start:" >&2
    cat "$dir/server.log" >&2
    exit 1
  fi
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "the virtual display did not start within 10 seconds" >&2; exit 1; }

export DISPLAY=":$(head -n 1 "$dir/display")"
# In the background, so that a time limit's TERM reaches the command and the server.
"$@" &
child=$!
trap 'kill "$child" 2>/dev/null || true; exit 143' TERM INT
set +e
wait "$child"
status=$?
set -e
exit "$status"
