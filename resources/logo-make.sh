#!/bin/sh
# Draws the splash logo (310 x 134): a film reel lit like a lantern, its beam
# and the product name. Needs ImageMagick and the DejaVu/Liberation fonts.
set -e
out=${1:-logo.png}
serif=/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf
sans=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
convert -size 310x134 xc:white \
  \( -size 310x134 xc:none -fill 'rgba(255,200,80,0.28)' \
     -draw "polygon 70,60 310,4 310,124" \
     -fill 'rgba(255,214,120,0.30)' -draw "polygon 70,64 310,28 310,100" -blur 0x5 \) \
  -composite \
  \( -size 310x134 xc:none -fill 'rgba(255,190,70,0.85)' -draw "circle 62,67 62,12" -blur 0x9 \) \
  -composite \
  -fill '#1d2b4f' -stroke '#0f1730' -strokewidth 2 -draw "circle 62,67 62,20" \
  -fill '#fbe7b0' -stroke none \
  -draw "circle 62,44 62,33" -draw "circle 84,60 84,49" -draw "circle 76,87 76,76" \
  -draw "circle 48,87 48,76" -draw "circle 40,60 40,49" \
  -fill '#c9a24a' -draw "circle 62,67 62,60" -fill '#1d2b4f' -draw "circle 62,67 62,64" \
  -fill none -stroke '#c9a24a' -strokewidth 2 -draw "circle 62,67 62,16" \
  -stroke none -font "$serif" -pointsize 36 -fill '#1d2b4f' \
  -annotate +120+56 'Lantern' -annotate +134+92 'reelworks!' \
  -fill '#c9a24a' -draw "rectangle 122,102 302,103" \
  -font "$sans" -pointsize 9 -fill '#6b5a2e' -annotate +124+116 'SLIDE SHOW DESIGNER & PLAYER' \
  -depth 8 "$out"
