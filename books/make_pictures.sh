#!/usr/bin/env bash
# Draws the pictures of the bundled books with ImageMagick. The JPEG files are
# committed; run this only to redraw them (the build does not need ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
Q=(-quality 75 -strip)

# scene OUT SKY_TOP SKY_BOTTOM DRAW... : a 320x240 picture on a vertical gradient.
scene() {
  local out=$1 top=$2 bottom=$3; shift 3
  convert -size 320x240 "gradient:$top-$bottom" "$@" "${Q[@]}" "$out"
}

# cover OUT TOP BOTTOM TITLE DRAW...: a scene with the title on a dark band.
cover() {
  local out=$1 top=$2 bottom=$3 title=$4; shift 4
  scene "$out" "$top" "$bottom" "$@" -fill '#000000a0' -draw 'rectangle 0,190 320,240' \
    -font "$FONT" -pointsize 20 -fill '#f0e6c0' -gravity south -annotate +0+14 "$title"
}

ornament() {  # a decorative picture: a framed motif
  local out=$1 bg=$2 fg=$3 motif=$4
  convert -size 320x240 "xc:$bg" -stroke "$fg" -strokewidth 6 -fill none -draw 'rectangle 12,12 308,228' \
    -strokewidth 2 -draw 'rectangle 24,24 296,216' -fill "$fg" -stroke none -draw "$motif" "${Q[@]}" "$out"
}

TOWER="fill #202028 polygon 140,200 150,60 170,60 180,200 fill #303040 polygon 135,70 160,35 185,70"
MARSH="fill #3a4a2a rectangle 0,200 320,240 fill #4c5e33 ellipse 60,210 70,12 0,360 fill #4c5e33 ellipse 250,215 80,10 0,360"
MOON="fill #f4f0d0 circle 250,50 272,50"
FOG="fill #ffffff40 ellipse 160,180 200,25 0,360 fill #ffffff30 ellipse 100,150 150,18 0,360"

cd bevezeto
cover borito.jpg '#1b2440' '#5a6a80' 'A Ködlápi Torony' -draw "$MOON" -draw "$TOWER" -draw "$MARSH" -draw "$FOG"
scene cehhaz.jpg '#6b4a2a' '#2a1a0a' -draw "fill #8a6a40 rectangle 40,80 280,220 fill #5a3a1a polygon 30,80 160,20 290,80 fill #f0c060 rectangle 140,150 180,220 fill #f0c060 rectangle 70,110 100,140 fill #f0c060 rectangle 220,110 250,140"
scene lap.jpg '#8090a0' '#3a4a30' -draw "$MARSH" -draw "fill #2a3a20 polygon 20,200 30,120 40,200 fill #2a3a20 polygon 280,205 292,110 302,205" -draw "$FOG"
scene rev.jpg '#506070' '#203040' -draw "fill #284058 rectangle 0,150 320,240 fill #4a3020 polygon 100,170 220,170 200,190 120,190 fill #101010 polygon 150,170 158,120 166,170" -draw "$FOG"
scene kunyho.jpg '#607050' '#303a28' -draw "$MARSH" -draw "fill #5a4030 rectangle 110,110 210,180 fill #3a2a1a polygon 100,110 160,60 220,110 fill #3a2a1a rectangle 115,180 120,210 fill #3a2a1a rectangle 200,180 205,210 fill #ffd070 rectangle 150,130 170,150"
scene kodkapu.jpg '#9098a0' '#50585f' -draw "fill #6a6a70 rectangle 90,60 130,220 fill #6a6a70 rectangle 190,60 230,220 fill #5a5a60 rectangle 80,40 240,70 fill #ffffff55 ellipse 160,150 50,60 0,360" -draw "$FOG"
scene torony.jpg '#243050' '#607090' -draw "$MOON" -draw "fill #202028 polygon 110,230 130,30 190,30 210,230 fill #303040 polygon 120,40 160,0 200,40 fill #ffd070 rectangle 152,90 168,110"
scene troll.jpg '#2a2018' '#100c08' -draw "fill #4a6a3a ellipse 160,150 70,80 0,360 fill #4a6a3a circle 160,60 160,95 fill #ff3020 circle 148,55 152,55 fill #ff3020 circle 172,55 176,55 fill #3a5a2a rectangle 80,130 100,200 fill #3a5a2a rectangle 220,130 240,200"
scene tukor.jpg '#302840' '#100818' -draw "fill none stroke #c0b080 stroke-width 5 ellipse 80,120 40,70 0,360 ellipse 160,120 40,70 0,360 ellipse 240,120 40,70 0,360 fill #8090c040 stroke none ellipse 160,120 36,66 0,360"
scene holdko.jpg '#101830' '#304060' -draw "fill #706860 rectangle 120,170 200,230 fill #e8f0ff circle 160,140 160,110 fill #e8f0ff30 circle 160,140 160,80"
ornament disz1.jpg '#1e2a38' '#c0a060' 'circle 160,120 160,80'
ornament disz2.jpg '#2a1e30' '#b090c0' 'polygon 160,60 200,120 160,180 120,120'
ornament disz3.jpg '#1e3022' '#90c080' 'ellipse 160,120 90,40 0,360'
