#!/bin/sh
# Makes the designer screenshot that the AppStream metainfo shows: the designer on a
# sample show, drawn at twice the pixel density by the tests' designer_screenshot tool
# on a virtual display, cut to the window. Needs a build, Xvfb and ImageMagick.
#
# usage: resources/screenshot-make.sh [BUILD_DIR] [OUT]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
out=${2:-$here/screenshots/designer.png}
tool="$build/tests/designer/designer_screenshot"
[ -x "$tool" ] || { echo "no $tool: build the project first" >&2; exit 1; }
shot=$(mktemp /tmp/lrw-screenshot-XXXXXX.png)
trap 'rm -f "$shot"' EXIT
# The designer sits in the bottom-right corner of an otherwise black screen.
QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2560x1600x24" "$tool" "$shot"
mkdir -p "$(dirname "$out")"
convert "$shot" -trim +repage -strip -define png:compression-level=9 "$out"
identify -format '%f: %w x %h\n' "$out"
