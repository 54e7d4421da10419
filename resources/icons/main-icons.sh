#!/bin/sh
# Draws the 16 × 16 icons of the main window's tool bar and menu. Each is drawn at 32 × 32 and
# scaled down, which smooths the lines. Run from this folder; needs ImageMagick 6.
set -e
IM=/usr/bin/convert
FONT=DejaVu-Sans-Bold
small() { $IM -size 32x32 xc:none "$@" -resize 16x16 "$OUT"; }

# Quit: an open door with an arrow leaving through it.
OUT=quit.png; small -fill '#8b5a2b' -stroke '#4a2f14' -strokewidth 2 -draw 'rectangle 4,3 20,29' \
    -fill '#d9a066' -draw 'polygon 4,3 14,7 14,31 4,29' -stroke '#007a00' -strokewidth 4 \
    -draw 'line 16,16 26,16' -stroke none -fill '#007a00' -draw 'polygon 31,16 23,9 23,23'

# Print: a printer with a sheet coming out on top and one in front.
OUT=print.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 9,2 23,13' \
    -fill '#b0b0b0' -stroke '#404040' -draw 'roundrectangle 2,11 29,24 3,3' \
    -fill white -stroke '#606060' -draw 'rectangle 8,19 24,30' -stroke '#808080' -strokewidth 1 \
    -draw 'line 11,23 21,23' -draw 'line 11,26 18,26' -stroke none -fill '#00a000' -draw 'rectangle 24,14 27,16'

# Riddle properties: a sheet with a grid and a blue information badge.
OUT=riddle-info.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,2 23,27' \
    -strokewidth 1 -draw 'line 9,2 9,27' -draw 'line 16,2 16,27' -draw 'line 2,10 23,10' \
    -draw 'line 2,18 23,18' -stroke none -fill black -draw 'rectangle 10,11 15,17' \
    -fill '#1f5fbf' -stroke white -strokewidth 2 -draw 'circle 23,23 23,14' -stroke none -fill white \
    -draw 'rectangle 22,22 24,28' -draw 'rectangle 22,18 24,20'

# Undo: an arrow that turns back and points to the left.
OUT=undo.png; small -fill none -stroke '#1f3f9f' -strokewidth 4 -draw 'line 10,8 18,8' \
    -draw 'arc 9,8 27,26 270,450' -draw 'line 18,26 7,26' -stroke none -fill '#1f3f9f' \
    -draw 'polygon 1,8 12,0 12,16'

# Reset: a grid with an eraser wiping it.
OUT=reset.png; small -fill white -stroke '#606060' -strokewidth 2 -draw 'rectangle 2,2 25,25' \
    -strokewidth 1 -draw 'line 10,2 10,25' -draw 'line 18,2 18,25' -draw 'line 2,10 25,10' \
    -draw 'line 2,18 25,18' -fill '#f08080' -stroke '#802020' -strokewidth 2 \
    -draw 'polygon 14,22 24,12 31,19 21,29' -fill '#6080d0' -draw 'polygon 14,22 18,18 25,25 21,29'

# Program info: a blue disc with a white "i".
OUT=program-info.png; small -fill '#1f5fbf' -stroke '#0f2f6f' -strokewidth 2 -draw 'circle 16,16 16,2' \
    -stroke none -fill white -draw 'rectangle 14,13 18,25' -draw 'circle 16,8 16,6'

# Pause: two upright bars on an amber disc.
OUT=pause.png; small -fill '#e0a020' -stroke '#805000' -strokewidth 2 -draw 'circle 16,16 16,2' \
    -stroke none -fill white -draw 'rectangle 10,9 14,23' -draw 'rectangle 18,9 22,23'

# Show the solution: an eye.
OUT=show-solution.png; small -fill white -stroke '#203060' -strokewidth 2 \
    -draw 'ellipse 16,16 14,8 0,360' -fill '#3070c0' -stroke none -draw 'circle 16,16 16,10' \
    -fill black -draw 'circle 16,16 16,13'

# Snapshot: a camera.
OUT=snapshot.png; small -fill '#404040' -stroke black -strokewidth 1 -draw 'rectangle 10,5 20,10' \
    -draw 'roundrectangle 2,8 29,27 3,3' -fill '#c0c0c0' -stroke white -strokewidth 2 \
    -draw 'circle 16,17 16,10' -stroke none -fill '#203060' -draw 'circle 16,17 16,13' \
    -fill '#ffd040' -draw 'rectangle 23,11 26,13'
