#!/bin/bash
# Peak resident memory of the packed player for the largest pictures a riddle can carry: the
# default riddle with its picture replaced, started under Xvfb and measured by /usr/bin/time -v.
# The target: a picture the reader accepts keeps the player below 110 MB (the player and one
# picture of 16 megapixels); a refused one shows the error box. Peaks above it are marked.
#   picture_memory.sh PLAYER RIDDLEPACK DEFAULT_RIDDLE.rid
set -euo pipefail
player=${1:?usage: picture_memory.sh PLAYER RIDDLEPACK DEFAULT_RIDDLE.rid}
riddlepack=${2:?} riddle=${3:?}
bound_kb=$((110 * 1024))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert=/usr/bin/convert

# Replaces the riddle's picture (format byte 1 for JPEG, 0 for BMP) and its image options.
with_picture() {
    python3 - "$riddle" "$1" "$2" "$3" "$4" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
picture = open(sys.argv[2], "rb").read()
jpeg, options = sys.argv[3] == "jpeg", int(sys.argv[4])
out, at = data[:53], 53
while at + 11 <= len(data):
    tag = bytes(data[at + 1:at + 7])
    length = struct.unpack_from("<i", data, at + 7)[0]
    payload = data[at + 11:at + 11 + length]
    if tag == b"GLOBAL":
        payload[571] = options
    if tag == b"IMAGE_":
        payload = bytes([1 if jpeg else 0]) + picture
    out += data[at:at + 7] + struct.pack("<i", len(payload)) + payload
    at += 11 + length
open(sys.argv[5], "wb").write(out)
PY
}

"$convert" -size 4096x4096 gradient:navy-gold -quality 90 "$work/baseline.jpg"
"$convert" -size 4096x4096 plasma:fractal -quality 90 "$work/photo.jpg"
"$convert" -size 4096x4096 gradient:navy-gold -quality 90 -interlace JPEG "$work/progressive.jpg"
"$convert" -size 2048x2048 gradient:navy-gold -quality 90 -sampling-factor 1x1 -interlace JPEG \
    "$work/progressive-2048.jpg"
"$convert" -size 4096x4096 gradient:navy-gold -colors 200 -type palette -compress RLE "BMP3:$work/rle8.bmp"
"$convert" -size 4096x4096 gradient:navy-gold -colors 16 -type palette -compress RLE "BMP3:$work/rle4.bmp"
"$convert" -size 2048x2048 gradient:navy-gold -type truecolor "BMP3:$work/rgb24-2048.bmp"

printf '%-44s %10s  %s\n' picture "peak (MB)" ""
while read -r name file format options; do
    with_picture "$work/$file" "$format" "$options" "$work/$name.rid"
    "$riddlepack" pack "$player" "$work/$name.rid" -o "$work/$name" >/dev/null
    # The player runs until the timeout ends it, or until its error box times out.
    peak=$({ xvfb-run -a /usr/bin/time -v timeout 6 "$work/$name" 2>&1 >/dev/null || true; } |
        sed -n 's/.*Maximum resident set size (kbytes): //p')
    verdict=""
    if [ "$peak" -ge "$bound_kb" ]; then
        verdict="above $((bound_kb / 1024)) MB"
    fi
    printf '%-44s %10s  %s\n' "$name ($file)" "$(awk "BEGIN { printf \"%.1f\", $peak / 1024 }")" "$verdict"
done <<'EOF'
jpeg-4096 baseline.jpg jpeg 0
jpeg-4096-fitted baseline.jpg jpeg 3
jpeg-4096-photo photo.jpg jpeg 3
jpeg-4096-grey-fitted baseline.jpg jpeg 7
jpeg-4096-progressive progressive.jpg jpeg 3
jpeg-2048-progressive progressive-2048.jpg jpeg 3
bmp-4096-rle8 rle8.bmp bmp 3
bmp-4096-rle4 rle4.bmp bmp 3
bmp-2048-24bit rgb24-2048.bmp bmp 3
EOF
