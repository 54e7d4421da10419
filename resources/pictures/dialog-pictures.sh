#!/bin/sh
# Draws the pictures of the info and properties dialogs: the info dialog's background and the
# maker's logo, and the properties dialog's icon. Run from this folder; needs ImageMagick 6.
set -e
IM=/usr/bin/convert
FONT=DejaVu-Sans-Bold

# Info background: a pale crossword grid that fades out towards the bottom right.
OUT=info-background.png
$IM -size 272x208 gradient:'#ffffff'-'#e4e8f0' \
    -stroke '#d8dde8' -strokewidth 1 \
    -draw 'path "M 0,26 H 272 M 0,52 H 272 M 0,78 H 272 M 0,104 H 272 M 0,130 H 272 M 0,156 H 272 M 0,182 H 272"' \
    -draw 'path "M 26,0 V 208 M 52,0 V 208 M 78,0 V 208 M 104,0 V 208 M 130,0 V 208 M 156,0 V 208 M 182,0 V 208 M 208,0 V 208 M 234,0 V 208 M 260,0 V 208"' \
    -stroke none -fill '#dfe4ee' -draw 'rectangle 157,27 181,51' -draw 'rectangle 209,79 233,103' \
    -draw 'rectangle 27,157 51,181' -draw 'rectangle 235,131 259,155' \
    -font $FONT -pointsize 16 -fill '#d0d6e4' -annotate +84+72 'Q' -annotate +110+72 'U' \
    -annotate +136+72 'I' -annotate +214+176 'Z' -annotate +240+176 'A' "$OUT"

# The maker's logo: a blue tile with a white N, 32 × 26.
OUT=norvik-logo.png
$IM -size 64x52 xc:none -fill '#1f3f8f' -stroke '#0f1f4f' -strokewidth 2 \
    -draw 'roundrectangle 1,1 62,50 10,10' -font $FONT -pointsize 40 -fill white -stroke none \
    -gravity center -annotate +0+1 'N' -resize 32x26 "$OUT"

# Riddle properties: a sheet with a grid and a blue information badge, 32 × 32.
OUT=riddle-properties.png
$IM -size 64x64 xc:none -fill white -stroke '#606060' -strokewidth 3 -draw 'rectangle 4,4 46,54' \
    -strokewidth 2 -draw 'line 18,4 18,54' -draw 'line 32,4 32,54' -draw 'line 4,20 46,20' \
    -draw 'line 4,36 46,36' -stroke none -fill black -draw 'rectangle 19,21 31,35' \
    -fill '#1f5fbf' -stroke white -strokewidth 3 -draw 'circle 46,46 46,28' -stroke none -fill white \
    -draw 'rectangle 43,43 49,56' -draw 'rectangle 43,34 49,39' -resize 32x32 "$OUT"
