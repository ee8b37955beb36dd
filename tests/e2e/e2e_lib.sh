# Shared by the end-to-end scripts (sourced, not run). Each script runs twice: outside,
# it prepares a work folder and starts itself with --inside on a private display;
# inside, it drives the real program and writes "failures=N" to $work/result.

# ---- inside ----

failures=0
expect() {  # expect NAME ACTUAL WANTED; counts a failure of the case $case_name
  if [ "$2" != "$3" ]; then
    echo "FAIL $case_name: $1 is $2, expected $3"
    failures=$((failures + 1))
  fi
}

# await WANTED COMMAND...: the command's output, once it is WANTED (10 s at most: then
# whatever it last gave, for the failure to show).
await() {
  local want="$1" got i
  shift
  for i in $(seq 1 100); do
    got="$("$@" 2>/dev/null)"
    [ "$got" = "$want" ] && break
    sleep 0.1
  done
  echo "$got"
}

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

# ---- outside ----

# e2e_prepare NAME PROGRAM MAKE_SHOW TOOL...: checks the program and the tools, makes
# $work (removed at exit unless LRW_E2E_DEBUG is set) with the test show, and points
# the per-user folders into it, so that tests never share a lock or a registration.
e2e_prepare() {
  local name="$1" tool
  program="$(realpath "$2")"
  make_show="$(realpath "$3")"
  shift 3
  [ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
  done
  work="$(mktemp -d "/tmp/lrw-e2e-$name-XXXXXX")"
  trap '[ -n "${LRW_E2E_DEBUG:-}" ] || rm -rf "$work"' EXIT
  mkdir -p "$work/runtime" "$work/data"
  chmod 700 "$work/runtime"
  "$make_show" "$work"
  # XDG_DATA_HOME: where "/regserver" writes the automation registration; keep it in $work.
  export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy \
    QT_QPA_PLATFORM=xcb
}

# e2e_report SUCCESS_TEXT LOG...: exits 1 with the logs unless the inside run passed.
e2e_report() {
  local success="$1" result
  shift
  read -r result <"$work/result"
  if [ "$result" != "failures=0" ]; then
    cat "$work/result" >&2
    cat "$@" >&2 || true
    exit 1
  fi
  # In the sanitizer build: a finding in a run that was ended from outside (and so never
  # reached its exit status) still fails the test.
  if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$@" 2>/dev/null; then
    echo "the program reported a sanitizer finding:" >&2
    cat "$@" >&2
    exit 1
  fi
  echo "$success"
}
