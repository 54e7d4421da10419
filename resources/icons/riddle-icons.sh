#!/bin/sh
# Draws the 16 × 16 icons of the riddle window's tool bar and pop-up menu. Each is drawn at
# 32 × 32 and scaled down, which smooths the lines. Run from this folder; needs ImageMagick 6.
set -e
IM=/usr/bin/convert
FONT=DejaVu-Sans-Bold
small() { $IM -size 32x32 xc:none "$@" -resize 16x16 "$OUT"; }

# Magnifier: lens with a handle to the lower right, then the sign inside the lens.
lens() {
    $IM -size 32x32 xc:none -fill white -stroke '#1f3f7f' -strokewidth 3 -draw 'circle 13,13 13,3' \
        -strokewidth 5 -draw 'line 21,21 29,29' -strokewidth 3 "$@" -resize 16x16 "$OUT"
}
OUT=zoom-in.png;  lens -draw 'line 8,13 18,13' -draw 'line 13,8 13,18'
OUT=zoom-out.png; lens -draw 'line 8,13 18,13'
OUT=search.png;   lens

# A riddle cell with a wrong letter in the error colour.
OUT=show-fail.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 2,2 29,29' \
    -stroke none -fill '#c00080' -font $FONT -pointsize 24 -gravity center -annotate +0+1 'A'

# A word's length: an arrow between two end marks.
OUT=show-length.png; small -stroke '#000080' -strokewidth 3 -draw 'line 3,8 3,24' -draw 'line 28,8 28,24' \
    -draw 'line 5,16 26,16' -fill '#000080' -strokewidth 1 -draw 'polygon 5,16 12,10 12,22' \
    -draw 'polygon 26,16 19,10 19,22'

# A cell with its possible symbols as small dots in three rows.
OUT=hint-grids.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 2,2 29,29' \
    -stroke none -fill '#000080' -draw 'rectangle 7,7 10,10' -draw 'rectangle 14,7 17,10' \
    -draw 'rectangle 21,7 24,10' -draw 'rectangle 7,14 10,17' -draw 'rectangle 21,14 24,17' \
    -draw 'rectangle 14,21 17,24' -draw 'rectangle 21,21 24,24'

# A tooltip: a yellow note with two lines of text and a tail.
OUT=show-hints.png; small -fill '#ffffe1' -stroke black -strokewidth 2 -draw 'rectangle 2,5 29,22' \
    -draw 'polygon 8,22 8,29 15,22' -stroke '#606060' -draw 'line 7,11 24,11' -draw 'line 7,16 19,16'

# Fill in one letter: a cell with a revealed letter in the help colour.
OUT=fill-letter.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 2,2 29,29' \
    -stroke none -fill '#0000ff' -font $FONT -pointsize 24 -gravity center -annotate +0+1 'A'

# Enter a whole word: three cells in a row, the letters marked as lines.
OUT=enter-word.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 1,9 10,22' \
    -draw 'rectangle 11,9 20,22' -draw 'rectangle 21,9 30,22' -stroke '#0000ff' -strokewidth 3 \
    -draw 'line 4,16 8,16' -draw 'line 14,16 18,16' -draw 'line 24,16 28,16'

# A blank field: one black cell among four.
OUT=blank-field.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 2,2 29,29' \
    -draw 'line 16,2 16,29' -draw 'line 2,16 29,16' -stroke none -fill black -draw 'rectangle 3,3 15,15'

# No marking: an empty cell struck through.
OUT=mark-none.png; small -fill white -stroke '#808080' -strokewidth 2 -draw 'rectangle 4,4 27,27' \
    -stroke '#c00000' -strokewidth 3 -draw 'line 6,25 25,6'

# Cells with one or two possible symbols: a marked cell showing "2".
OUT=mark-duo.png; small -fill yellow -stroke '#808080' -strokewidth 2 -draw 'rectangle 4,4 27,27' \
    -stroke none -fill '#000080' -font $FONT -pointsize 20 -gravity center -annotate +0+1 '2'
