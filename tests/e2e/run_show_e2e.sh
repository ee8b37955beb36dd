#!/usr/bin/env bash
# End to end: the real program runs a three-slide show with "/s /r" on a virtual X
# display, shows the picture slide full screen, and ends by itself with status 0.
#
# usage: run_show_e2e.sh PROGRAM MAKE_SHOW [TIME_LIMIT_SECONDS]
set -euo pipefail

program="$1"
make_show="$2"
limit="${3:-60}"

[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
here="$(cd "$(dirname "$0")" && pwd)"

work="$(mktemp -d /tmp/lrw-e2e-XXXXXX)"
trap '[ -n "${LRW_E2E_DEBUG:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
"$make_show" "$work"

# Inside the display: start the program, look for the picture in the middle of the
# screen while it runs, then report the program's own exit status and the elapsed time.
cat > "$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
work="$1"; program="$2"
start=$(date +%s.%N)
# A relative name: the show file is named as a user in that folder would name it.
(cd "$work" && exec "$program" /s /r show.sho) > "$work/program.log" 2>&1 &
pid=$!
seen=no
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  if import -display "$DISPLAY" -window root "$work/shot.png" 2>/dev/null; then
    pixel=$(convert "$work/shot.png" -crop 1x1+512+384 -depth 8 txt:- 2>/dev/null | tail -1)
    case "$pixel" in *"#D02090"*) seen=yes; cp "$work/shot.png" "$work/picture-shot.png"; break ;; esac
  fi
  sleep 0.1
done
wait "$pid"
status=$?
end=$(date +%s.%N)
echo "status=$status seen=$seen seconds=$(echo "$end - $start" | bc)" > "$work/result"
INSIDE
chmod +x "$work/inside.sh"

# XDG_DATA_HOME: where "/regserver" writes the automation registration; keep it in $work.
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy \
  QT_QPA_PLATFORM=xcb
timeout "$limit" "$here/with_xvfb.sh" "$work/inside.sh" "$work" "$program" || {
  echo "the show did not end within $limit seconds" >&2
  cat "$work/program.log" >&2 || true
  exit 1
}

cat "$work/result"
read -r result < "$work/result"
case "$result" in
  "status=0 seen=yes "*) echo "the show played and ended by itself" ;;
  *)
    echo "unexpected: $result" >&2
    cat "$work/program.log" >&2 || true
    exit 1
    ;;
esac
if [ -n "${LRW_E2E_KEEP:-}" ] && [ -f "$work/picture-shot.png" ]; then
  cp "$work/picture-shot.png" "$LRW_E2E_KEEP"
fi
