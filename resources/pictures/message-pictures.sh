#!/bin/sh
# Draws the 32 × 32 pictures of the message dialog: success and error. Drawn at 64 × 64 and
# scaled down, which smooths the lines. Run from this folder; needs ImageMagick 6.
set -e
IM=/usr/bin/convert
big() { $IM -size 64x64 xc:none "$@" -resize 32x32 "$OUT"; }

# Solved: a green disc with a white check mark.
OUT=message-ok.png; big -fill '#20a020' -stroke '#106010' -strokewidth 3 -draw 'circle 32,32 32,3' \
    -fill none -stroke white -strokewidth 8 -draw 'polyline 17,33 28,44 47,21'

# Wrongly filled in: a red disc with a white cross.
OUT=message-error.png; big -fill '#d02020' -stroke '#801010' -strokewidth 3 -draw 'circle 32,32 32,3' \
    -stroke white -strokewidth 8 -draw 'line 20,20 44,44' -draw 'line 44,20 20,44'
