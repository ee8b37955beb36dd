#!/usr/bin/env bash
# Peak memory and time of reading hostile sound files (bench/hostile_sounds.sh), each in a
# process of its own, as a slide's sound and as music.
#
# usage: bench/sound_memory.sh [BUILD_DIR]   (default: build; needs the sound_memory target)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
tool="$build/bench/sound_memory"
[ -x "$tool" ] || { echo "no sound_memory in $build (configure with -DLRW_BENCH=ON)" >&2; exit 1; }
work="$(mktemp -d /tmp/lrw-sound-memory-XXXXXX)"
trap 'rm -rf "$work"' EXIT
echo "writing hostile sounds into $work ..."
"$root/bench/hostile_sounds.sh" "$work"
"$tool" "$work"/*
