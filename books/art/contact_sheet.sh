#!/usr/bin/env bash
# Lays every rendered picture of the bundled books side by side, labelled by book and file,
# so that they can be judged together as the illustrations of one printed book.
# contact_sheet.sh MONTAGE STAGE_DIR OUT.png
set -euo pipefail
montage=$1 stage=$2 out=$3
mapfile -t pictures < <(cd "$stage" && find . -name '*.jpg' | sed 's|^\./||' | sort)
[ ${#pictures[@]} -gt 0 ] || { echo "no rendered pictures in $stage" >&2; exit 1; }
# ImageMagick's own default font is often missing; label with the serif that fontconfig knows.
font=$(fc-match -f '%{file}' serif)
cd "$stage"
"$montage" -label '%d/%f' "${pictures[@]}" -tile 6x -geometry 320x240+6+6 -font "$font" -pointsize 13 \
  -background '#cfc3a8' -depth 8 "$out"
echo "$out: ${#pictures[@]} pictures"
