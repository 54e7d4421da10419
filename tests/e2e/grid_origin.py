#!/usr/bin/env python3
"""Finds the screen position of the top-left pixel of the first cell of the current word in a
screenshot (PPM on stdin): right after start that is the riddle's first free cell, painted in the
current-word colour. The cursor frame covers the first cell's edges, so its top edge is read off
the next cell of the word and its left edge from inside the frame (two pixels in). Prints "X Y"
or exits with 1."""
import sys

CURRENT_WORD = (255, 170, 170)


def read_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def main():
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    target = bytes(CURRENT_WORD)

    def first_in_row(y):
        row = pixels[3 * y * width:3 * (y + 1) * width]
        for x in range(width):
            if row[3 * x:3 * x + 3] == target:
                return x
        return None

    for y in range(height):
        if first_in_row(y) is not None:
            inside = first_in_row(min(height - 1, y + 8))
            print(inside - 2, y)
            return
    sys.exit(1)


if __name__ == "__main__":
    main()
