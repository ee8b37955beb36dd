#!/usr/bin/env bash
# Remakes the enhanced-metafile fixtures from the drawings beside this script: each SVG
# through Inkscape and LibreOffice Draw, the xfig drawing through fig2dev, and every
# drawing rendered by librsvg as the reference the tests compare with, framed as the
# metafile frames it. The results are kept in the repository, so the tests need none of
# these programs.
# Needs: inkscape, soffice (libreoffice-draw), fig2dev, rsvg-convert, python3.
set -euo pipefail
cd "$(dirname "$0")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The header's frame of an enhanced metafile: left, top, right, bottom in 0.01 mm.
frame() {
  python3 -c 'import struct,sys; print(*struct.unpack_from("<4i", open(sys.argv[1],"rb").read(), 24))' "$1"
}

for drawing in shapes text clip; do
  inkscape "$drawing.svg" --export-type=emf --export-filename="$drawing.inkscape.emf"
  # Inkscape's frame starts at the drawing's corner but reaches a little past it.
  read -r _ _ right bottom < <(frame "$drawing.inkscape.emf")
  rsvg-convert -b white --page-width=$((right * 96 / 2540)) --page-height=$((bottom * 96 / 2540)) \
    "$drawing.svg" -o "$drawing.inkscape.png"

  soffice --headless "-env:UserInstallation=file://$tmp/profile" --convert-to emf \
    --outdir "$tmp" "$drawing.svg" > /dev/null
  mv "$tmp/$drawing.emf" "$drawing.libreoffice.emf"
  # LibreOffice's page keeps an equal margin off every edge of the drawing, and its
  # frame is that page: the reference is the drawing seen through the same frame.
  read -r _ _ right bottom < <(frame "$drawing.libreoffice.emf")
  read -r args < <(python3 - "$right" "$bottom" <<'PY'
import sys
w, h = 320, 240  # the drawings' own size in pixels
fw, fh = int(sys.argv[1]) * 96 / 2540, int(sys.argv[2]) * 96 / 2540
print(f"--left={-(w - fw) / 2:.2f} --top={-(h - fh) / 2:.2f} --page-width={round(fw)} --page-height={round(fh)}")
PY
)
  # shellcheck disable=SC2086
  rsvg-convert -b white $args "$drawing.svg" -o "$drawing.libreoffice.png"
done

# fig2dev frames the EMF and the SVG with different margins; both are in xfig units
# (1200 an inch), so the reference is the SVG moved and scaled onto the EMF's frame.
fig2dev -L emf -m 1 figure.fig figure.fig2dev.emf
fig2dev -L svg -m 1 figure.fig figure.svg
read -r left top right bottom < <(frame figure.fig2dev.emf)
read -r args < <(python3 - "$left" "$top" "$right" "$bottom" <<'PY'
import re, sys
left, top, right, bottom = (int(v) * 1200 / 2540 for v in sys.argv[1:])
svg = open("figure.svg").read()
vx, vy, vw, vh = (float(v) for v in re.search(r'viewBox="([^"]+)"', svg).group(1).split())
width_pt = float(re.search(r'width="([0-9.]+)pt"', svg).group(1))
zoom = (96 / 1200) / (width_pt * 4 / 3 / vw)  # 96 pixels an inch over the SVG's own scale
print(f"--zoom={zoom:.5f} --left={(vx - left) * 96 / 1200:.2f} --top={(vy - top) * 96 / 1200:.2f}"
      f" --page-width={round((right - left) * 96 / 1200)} --page-height={round((bottom - top) * 96 / 1200)}")
PY
)
# shellcheck disable=SC2086
rsvg-convert -b white $args figure.svg -o figure.png
