#!/bin/sh
# Regenerates the demo show in examples/demo: eight pictures drawn here with
# ImageMagick, a short chime made with sox, and the portable show demo.bld,
# assembled with showtool (add, set, build) exactly as the designer would.
#
#   tools/make_demo.sh [SHOWTOOL]     (default: build/tools/showtool)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
showtool=${1:-$root/build/tools/showtool}
out=$root/examples/demo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/media" "$out"
cd "$work/media"

W=640; H=480
# 1 dawn over the hills
convert -size ${W}x${H} gradient:'#1d2b4f'-'#f6a55a' \
  -fill '#ffe7a0' -draw "circle 430,300 430,250" \
  \( -size ${W}x${H} xc:none -fill 'rgba(255,230,160,0.35)' -draw "circle 430,300 430,190" -blur 0x25 \) -composite \
  -fill '#3b4a3a' -draw "path 'M 0,360 Q 160,280 320,350 T 640,330 L 640,480 L 0,480 Z'" \
  -fill '#26331f' -draw "path 'M 0,410 Q 200,350 400,420 T 640,400 L 640,480 L 0,480 Z'" \
  -quality 80 01-dawn.jpg
# 2 the night sky: moon and stars (fixed seed, so every run draws the same sky)
convert -size ${W}x${H} gradient:'#02030a'-'#1b2a5a' -seed 7 \
  \( -size ${W}x${H} xc:black +noise Random -channel G -separate +channel -threshold 99.6% -morphology Dilate Disk:0.6 -blur 0x0.6 \) \
  -compose screen -composite -compose over \
  -fill '#f3f0d8' -draw "circle 480,120 480,70" -fill '#070b1d' -draw "circle 500,105 500,60" \
  -fill '#0b0f1c' -draw "path 'M 0,430 L 80,400 L 120,420 L 200,380 L 260,410 L 340,370 L 420,415 L 520,390 L 640,420 L 640,480 L 0,480 Z'" \
  -quality 80 02-night.jpg
# 3 the sea: layered waves
convert -size ${W}x${H} gradient:'#bfe6ff'-'#0b4f7a' \
  -fill '#ffffff' -draw "circle 120,90 120,60" \
  -fill '#1f78a8' -draw "path 'M 0,260 Q 80,230 160,260 T 320,260 T 480,260 T 640,260 L 640,480 L 0,480 Z'" \
  -fill '#155f88' -draw "path 'M 0,320 Q 80,290 160,320 T 320,320 T 480,320 T 640,320 L 640,480 L 0,480 Z'" \
  -fill '#0d486a' -draw "path 'M 0,390 Q 80,360 160,390 T 320,390 T 480,390 T 640,390 L 640,480 L 0,480 Z'" \
  -fill '#f5f1e6' -draw "polygon 430,250 470,250 455,200" -fill '#7a4b2a' -draw "polygon 420,250 480,250 470,262 430,262" \
  -quality 80 03-sea.jpg
# 4 mountains with snow
convert -size ${W}x${H} gradient:'#8ec5ff'-'#e8f4ff' \
  -fill '#5d6b85' -draw "polygon 0,480 180,150 360,480" \
  -fill '#738199' -draw "polygon 220,480 430,110 640,480" \
  -fill '#ffffff' -draw "polygon 180,150 150,205 170,195 190,215 208,200" \
  -fill '#ffffff' -draw "polygon 430,110 395,170 418,160 440,180 466,165" \
  -fill '#3f6b3a' -draw "path 'M 0,480 L 0,420 Q 320,370 640,420 L 640,480 Z'" \
  -quality 80 04-mountains.jpg
# 5 a lantern glowing in the dark
convert -size ${W}x${H} radial-gradient:'#4a2c0a'-'#0a0604' \
  \( -size ${W}x${H} xc:none -fill 'rgba(255,190,80,0.8)' -draw "circle 320,250 320,150" -blur 0x40 \) -composite \
  -fill '#2b2b2b' -draw "rectangle 300,110 340,130" -draw "roundrectangle 270,130 370,150 6,6" \
  -fill '#ffd27a' -draw "roundrectangle 280,150 360,320 10,10" \
  -fill '#fff4cf' -draw "ellipse 320,250 14,30 0,360" \
  -stroke '#2b2b2b' -strokewidth 6 -draw "line 300,150 300,320" -draw "line 340,150 340,320" \
  -stroke none -fill '#2b2b2b' -draw "roundrectangle 264,320 376,340 6,6" \
  -fill none -stroke '#2b2b2b' -strokewidth 5 -draw "arc 295,70 345,120 180,360" \
  -quality 80 05-lantern.jpg
# 6 a film reel
convert -size ${W}x${H} gradient:'#f4e9cf'-'#d9c49a' \
  -fill '#1d2b4f' -draw "circle 320,240 320,80" \
  -fill '#f4e9cf' -draw "circle 320,150 320,120" -draw "circle 405,212 405,182" \
  -draw "circle 373,313 373,283" -draw "circle 267,313 267,283" -draw "circle 235,212 235,182" \
  -fill '#c9a24a' -draw "circle 320,240 320,222" -fill '#1d2b4f' -draw "circle 320,240 320,232" \
  -quality 80 06-reel.jpg
# 7 the forest
convert -size ${W}x${H} gradient:'#d8f0c8'-'#7fb069' \
  -fill '#2f5d3a' -draw "polygon 60,420 120,200 180,420" -draw "polygon 200,440 270,160 340,440" \
  -fill '#24482d' -draw "polygon 330,430 400,220 470,430" -draw "polygon 460,450 540,180 620,450" \
  -fill '#5b3a1e' -draw "rectangle 112,420 128,460" -draw "rectangle 262,440 278,470" \
  -draw "rectangle 392,430 408,465" -draw "rectangle 532,450 548,478" \
  -quality 80 07-forest.jpg
# 8 the end: curtain
convert -size ${W}x${H} xc:'#5a0a12' \
  -fill '#8e1a28' -draw "path 'M 0,0 L 260,0 Q 240,240 300,480 L 0,480 Z'" \
  -fill '#8e1a28' -draw "path 'M 640,0 L 380,0 Q 400,240 340,480 L 640,480 Z'" \
  -fill '#c9a24a' -draw "rectangle 0,0 640,24" \
  -quality 80 08-curtain.jpg

# A soft two-note chime, 0.9 seconds, 22 kHz mono.
sox -D -n -r 22050 -c 1 -b 16 chime.wav synth 0.45 sine 784 sine 1175 remix 1,2 vol 0.5 \
  fade h 0.01 0.45 0.3 : synth 0.45 sine 1047 sine 1568 remix 1,2 vol 0.5 fade h 0.01 0.45 0.35 \
  norm -4

show=$work/demo.sho
m=$work/media
"$showtool" add "$show" "$m/01-dawn.jpg" "$m/02-night.jpg" "$m/03-sea.jpg" \
  "$m/04-mountains.jpg" "$m/05-lantern.jpg" "$m/06-reel.jpg" "$m/07-forest.jpg" \
  "$m/08-curtain.jpg" >/dev/null

set_() { "$showtool" set "$show" "$@"; }
# Every caption: white bold text on a dark box under the picture, as wide as it.
set_ all font=Arial fontsize=20 fontstyle=b fontcolor=#FFFFFF captionback=#1D2B4F \
  captionbox=192,640,640 speed=6 duration=time seconds=4 background=#101828
set_ 1 effect=35 caption='Lanternreelworks!¶A slide show in eight pictures' \
  sound="$m/chime.wav" duration=enter background=#1D2B4F
set_ 2 effect=18 caption='Night falls over the hills' background=#02030A
set_ 3 effect=16 caption='This slide waits for its sound, then one second more' \
  sound="$m/chime.wav" duration=sound seconds=1 background=#0B4F7A
set_ 4 effect=31 speed=4 background=#8EC5FF captionback=#3F6B3A caption='Kaleidoscope'
set_ 5 effect=39 speed=3 background=#0A0604 caption='A lantern in the dark' \
  captionback=#4A2C0A
set_ 6 effect=36 seconds=3 background=#D9C49A
set_ 7 effect=27 speed=8 sound="$m/chime.wav" duration=sound seconds=2 background=#2F5D3A \
  caption='Into the forest'
set_ 8 effect=5 caption='The End¶Thank you for watching' duration=enter \
  background=#5A0A12 fontsize=28 captionback=#8E1A28

rm -f "$out"/*.jpg "$out"/*.wav "$out"/*.bld
"$showtool" build "$show" "$out/demo.bld" >/dev/null
echo "wrote $out/demo.bld"
