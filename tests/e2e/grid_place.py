#!/usr/bin/python3
"""Prints where the riddle grid's first cell lies on the screen, as the accessibility bus reports
it: "X Y PITCH", the top-left pixel of cell (1, 1) and the distance from one cell to the next.
Usage: grid_place.py ROWS COLS   (the riddle's size, which tells its grid from the legends)"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
import grid  # noqa: E402


def main():
    rows, cols = int(sys.argv[1]), int(sys.argv[2])
    table = grid.table(atspi.app(), rows, cols).queryTable()
    first = atspi.extents(table.getAccessibleAt(0, 0))
    second = atspi.extents(table.getAccessibleAt(0, 1)) if cols > 1 else atspi.extents(table.getAccessibleAt(1, 0))
    pitch = second[0] - first[0] if cols > 1 else second[1] - first[1]
    print(first[0], first[1], pitch)


if __name__ == "__main__":
    main()
