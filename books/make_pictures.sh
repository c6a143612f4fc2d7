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

cd ../holdarok
CASTLE="fill #28243a polygon 60,200 60,90 90,90 90,70 110,70 110,90 210,90 210,70 230,70 230,90 260,90 260,200"
WATER="fill #1c3048 rectangle 0,200 320,240 fill #2a4868 ellipse 160,215 150,6 0,360"
cover borito.jpg '#0e1428' '#4a3a60' 'A Holdárok árnyéka' -draw "fill #f4f0d0 circle 70,50 88,50" -draw "$CASTLE" -draw "$WATER"
scene kapu.jpg '#c08050' '#402820' -draw "fill #5a5048 rectangle 40,60 280,220 fill #1a1410 polygon 120,220 120,130 160,100 200,130 200,220 fill #806040 rectangle 90,150 100,220 fill #806040 rectangle 220,150 230,220"
scene foter.jpg '#90a0b8' '#605040' -draw "$CASTLE" -draw "fill #706050 rectangle 0,190 320,240 fill #504038 ellipse 160,205 40,12 0,360 fill #a05030 rectangle 20,160 60,195 fill #3060a0 rectangle 260,165 300,195"
scene fogado.jpg '#3a2414' '#1a0c04' -draw "fill #6a4a2a rectangle 30,150 290,170 fill #ffc060 circle 80,120 86,120 fill #ffc060 circle 240,120 246,120 fill #8a5a30 rectangle 140,100 180,150"
scene piac.jpg '#e0c080' '#806040' -draw "fill #c03030 polygon 20,120 70,90 120,120 fill #3070c0 polygon 120,120 170,90 220,120 fill #30a050 polygon 220,120 270,90 320,120 fill #7a5a3a rectangle 20,120 300,190"
scene kuzdoter.jpg '#80b0e0' '#d0b080' -draw "fill #c0a070 rectangle 0,170 320,240 fill #c03030 rectangle 40,80 60,170 fill #c03030 rectangle 260,80 280,170 fill #806040 line 100,200 220,120 fill #404040 line 100,120 220,200"
scene templom.jpg '#5a6a90' '#2a2a40' -draw "fill #8a8a90 rectangle 60,110 260,220 fill #6a6a70 arc 60,40 260,180 180,360 fill #2a2a40 polygon 120,40 200,40 180,100 140,100 fill #f4f0d0 circle 160,70 170,70"
scene kikoto.jpg '#708090' '#304050' -draw "$WATER" -draw "fill #5a3a20 polygon 60,190 200,190 180,205 80,205 fill #4a3020 rectangle 125,90 130,190 fill #e0d8c0 polygon 132,95 132,170 185,170"
scene tolvajcech.jpg '#201810' '#0a0604' -draw "fill #ffb040 circle 160,90 165,90 fill #5a3a20 ellipse 160,190 60,20 0,360 fill #3a2a1a rectangle 140,130 180,190"
scene csatorna.jpg '#202820' '#080c08' -draw "fill #304030 arc 40,40 280,300 180,360 fill #101410 arc 90,90 230,250 180,360 fill #2a4030 rectangle 0,210 320,240"
scene karok.jpg '#3a3a40' '#1a1a20' -draw "fill #5a5a60 rectangle 60,60 260,200 fill #a0a0a8 rectangle 95,90 105,170 fill #a0a0a8 rectangle 155,90 165,170 fill #a0a0a8 rectangle 215,90 225,170 fill #c0a040 circle 100,90 108,90 fill #c0a040 circle 160,90 168,90 fill #c0a040 circle 220,90 228,90"
scene borton.jpg '#2a2420' '#0a0806' -draw "fill #4a4440 rectangle 40,40 280,220 fill #1a1410 rectangle 80,70 240,200" -draw "fill #6a6a6a rectangle 100,70 106,200 rectangle 140,70 146,200 rectangle 180,70 186,200 rectangle 220,70 226,200 fill #e0e0f0 ellipse 165,170 12,28 0,360"
scene rakpart.jpg '#d08060' '#403040' -draw "$WATER" -draw "fill #3a2a20 polygon 80,190 240,190 220,210 100,210 fill #2a1a10 rectangle 155,60 160,190 fill #d0c8b0 polygon 162,70 162,170 220,170"
scene varark.jpg '#101828' '#202838' -draw "$CASTLE" -draw "$WATER" -draw "fill #5a3a20 ellipse 120,212 25,5 0,360"
scene diszterem.jpg '#5a2020' '#200808' -draw "fill #8a6a20 rectangle 20,160 300,175 fill #ffd060 circle 60,120 64,120 circle 120,120 124,120 circle 200,120 204,120 circle 260,120 264,120 fill #3a1010 rectangle 145,60 175,150"
scene tronterem.jpg '#302038' '#100810' -draw "fill #8a6a20 polygon 130,200 130,100 160,70 190,100 190,200 fill #101010 ellipse 160,140 18,40 0,360 fill #d0d8ff rectangle 250,40 290,140"
scene gyozelem.jpg '#f0d080' '#80a0d0' -draw "fill #fff8e0 circle 160,80 200,80 fill #28243a polygon 60,220 60,150 260,150 260,220"
scene ejszaka.jpg '#060810' '#182030' -draw "fill #f4f0d0 circle 260,40 274,40 fill #20202a rectangle 0,120 120,240 fill #20202a rectangle 200,100 320,240 fill #ffc060 circle 150,180 154,180"
scene nep.jpg '#c06030' '#301810' -draw "fill #201008 ellipse 60,220 40,40 0,360 ellipse 140,225 40,40 0,360 ellipse 220,220 40,40 0,360 ellipse 290,225 40,40 0,360 fill #ffa030 circle 80,150 86,150 circle 200,140 206,140 circle 260,150 266,150"
scene hajo.jpg '#f0a070' '#405070' -draw "$WATER" -draw "fill #4a2a18 polygon 90,190 230,190 210,208 110,208 fill #2a1a10 rectangle 158,70 162,190 fill #f0e8d0 polygon 164,80 164,180 220,180"
ornament disz1.jpg '#20182a' '#c0b0e0' 'circle 160,120 160,70 fill #20182a circle 180,110 160,70'
ornament disz2.jpg '#182028' '#a0c0d0' 'polygon 160,50 175,105 230,120 175,135 160,190 145,135 90,120 145,105'

cd ../rezsarkany
cover borito.jpg '#e09050' '#603020' 'A rézsárkány' -draw "fill #5a4030 polygon 0,200 110,60 220,200 fill #4a3428 polygon 120,200 230,80 320,200 fill #c87830 ellipse 180,70 30,10 0,360 fill #c87830 polygon 165,70 140,50 175,62 fill #c87830 polygon 190,70 215,48 185,62"
scene falu.jpg '#90c0e0' '#60a040' -draw "fill #a06040 rectangle 40,140 100,190 fill #703020 polygon 30,140 70,110 110,140 fill #a06040 rectangle 200,150 260,200 fill #703020 polygon 190,150 230,120 270,150"
scene barlang.jpg '#6a5a4a' '#2a2018' -draw "fill #4a3a2a polygon 0,240 0,80 160,30 320,90 320,240 fill #0a0806 ellipse 160,170 70,60 0,360 fill #ff8020 circle 140,160 144,160 circle 180,160 184,160"
ornament disz1.jpg '#2a1a10' '#d09050' 'polygon 160,60 220,180 100,180'
