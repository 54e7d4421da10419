#!/bin/sh
# Draws the 16 × 16 icons of the clue legend's tool bar. Each is drawn at 32 × 32 and scaled
# down, which smooths the lines. Run from this folder; needs ImageMagick 6.
set -e
IM=/usr/bin/convert
small() { $IM -size 32x32 xc:none "$@" -resize 16x16 "$OUT"; }

# Solved clues stay: three rows, each with its bullet.
OUT=legend-show.png; small -fill '#1f3f7f' -draw 'rectangle 2,4 7,9' -draw 'rectangle 2,13 7,18' \
    -draw 'rectangle 2,22 7,27' -stroke '#404040' -strokewidth 3 -draw 'line 12,7 29,7' \
    -draw 'line 12,16 29,16' -draw 'line 12,25 29,25'

# Solved clues go: the middle row is faded and struck out.
OUT=legend-hide.png; small -fill '#1f3f7f' -draw 'rectangle 2,4 7,9' -draw 'rectangle 2,22 7,27' \
    -stroke '#404040' -strokewidth 3 -draw 'line 12,7 29,7' -draw 'line 12,25 29,25' \
    -stroke '#b0b0b0' -draw 'line 12,16 29,16' -stroke '#c00000' -strokewidth 3 -draw 'line 3,20 14,12'

# Solved clues unmarked: rows with empty boxes.
OUT=legend-nomark.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,3 10,11' \
    -draw 'rectangle 2,19 10,27' -stroke '#404040' -strokewidth 3 -draw 'line 14,7 29,7' \
    -draw 'line 14,23 29,23'

# Solved clues marked: the boxes carry a green tick.
OUT=legend-mark.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,3 10,11' \
    -draw 'rectangle 2,19 10,27' -stroke '#008000' -strokewidth 3 -fill none \
    -draw 'polyline 3,7 6,10 11,2' -draw 'polyline 3,23 6,26 11,18' -stroke '#404040' \
    -draw 'line 14,7 29,7' -draw 'line 14,23 29,23'

# One list: a single framed list.
OUT=legend-one.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 3,3 28,28' \
    -stroke '#404040' -strokewidth 2 -draw 'line 7,9 24,9' -draw 'line 7,15 24,15' -draw 'line 7,21 24,21'

# Two lists: one above the other.
OUT=legend-two.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 3,2 28,14' \
    -draw 'rectangle 3,17 28,29' -stroke '#404040' -draw 'line 7,8 24,8' -draw 'line 7,23 24,23'

# The number legend's tool bar.
# No automatic entry: a letter box whose arrow into the riddle is crossed out.
OUT=legend-noauto.png; small -fill white -stroke '#1f3f7f' -strokewidth 2 -draw 'rectangle 2,2 14,14' \
    -stroke '#1f3f7f' -strokewidth 3 -draw 'line 5,11 8,4' -draw 'line 8,4 11,11' -draw 'line 6,9 10,9' \
    -fill '#d0d0d0' -stroke '#606060' -strokewidth 2 -draw 'rectangle 17,17 29,29' \
    -stroke '#808080' -strokewidth 3 -draw 'line 12,16 20,24' -stroke '#c00000' -strokewidth 3 \
    -draw 'line 22,3 30,11' -draw 'line 30,3 22,11'

# Automatic entry: the letter box sends its letter into two cells of the riddle.
OUT=legend-auto.png; small -fill white -stroke '#1f3f7f' -strokewidth 2 -draw 'rectangle 2,2 14,14' \
    -stroke '#1f3f7f' -strokewidth 3 -draw 'line 5,11 8,4' -draw 'line 8,4 11,11' -draw 'line 6,9 10,9' \
    -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 17,17 29,29' -draw 'line 23,17 23,29' \
    -stroke '#008000' -strokewidth 3 -draw 'line 11,15 18,22' -stroke none -fill '#008000' \
    -draw 'polygon 21,25 13,23 19,17'

# Take letters from the riddle: an arrow from a grid into a list.
OUT=legend-take.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,8 14,28' \
    -draw 'line 8,8 8,28' -draw 'line 2,18 14,18' -fill white -draw 'rectangle 20,2 30,28' \
    -stroke '#404040' -draw 'line 23,8 27,8' -draw 'line 23,14 27,14' -draw 'line 23,20 27,20' \
    -stroke '#1f5fbf' -strokewidth 3 -draw 'line 6,4 14,4' -stroke none -fill '#1f5fbf' \
    -draw 'polygon 19,4 13,0 13,8'

# Write letters into the riddle: an arrow from a list into a grid.
OUT=legend-write.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,2 12,28' \
    -stroke '#404040' -draw 'line 5,8 9,8' -draw 'line 5,14 9,14' -draw 'line 5,20 9,20' \
    -fill white -stroke '#606060' -draw 'rectangle 18,8 30,28' -draw 'line 24,8 24,28' \
    -draw 'line 18,18 30,18' -stroke '#1f5fbf' -strokewidth 3 -draw 'line 12,4 22,4' -stroke none \
    -fill '#1f5fbf' -draw 'polygon 27,4 21,0 21,8'
