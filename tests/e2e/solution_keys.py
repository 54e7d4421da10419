#!/usr/bin/env python3
"""Turns a riddle dump (riddlepack dump) into the solver's actions, one per line:
  keys KEY...           keyboard keys for xdotool (the cursor is moved from the first cell)
  blank COL ROW         the cell is to be declared a blank field
  drag C1 R1 C2 R2      a word-search line to be marked with the mouse
The first line is "grid PITCH HEADER": the cell pitch and the width of the header column.
A sudoku gets its open cells' symbols, letters typed in lower case (the grid takes them as upper).
Usage: solution_keys.py DUMP.json [--wrong]   (--wrong types one letter or symbol wrongly)"""
import json
import sys

CF_BLACK, CF_LETTER, CF_START_ACROSS, CF_START_DOWN = 1, 32, 128, 256
# A sudoku's file holds no cell size; the player shows it at its own.
SUDOKU_GRID_SIZE = 30


def sudoku(dump, wrong):
    n = 3 * dump["global"]["Size"] + 6
    cells = {(c["Col"], c["Row"]): c for c in dump["cells"]}
    print("grid", SUDOKU_GRID_SIZE + 1, 0)
    first = True
    for row in range(1, n + 1):
        for col in range(1, n + 1):
            cell = cells[(col, row)]
            if cell["Revealed"]:
                continue
            value = int(cell["Solution"], 16)
            if wrong and first:
                value = value % n + 1
            first = False
            moves = ["ctrl+Home"] + ["Right"] * (col - 1) + ["Down"] * (row - 1)
            print("keys", " ".join(moves + [format(value, "x")]))


def main():
    dump = json.load(open(sys.argv[1], encoding="utf-8"))
    wrong = "--wrong" in sys.argv
    glob = dump["global"]
    if "Size" in glob:
        sudoku(dump, wrong)
        return
    kind = glob["RiddleType"]
    cells = {(c["Col"], c["Row"]): c for c in dump["cells"]}
    pitch = glob["GridSize"] + 1
    print("grid", pitch, glob["GridSize"] if kind in (4, 5) else 0)
    if kind == 6:  # word search: every hidden word is dragged from its first to its last cell
        for clue in dump["clues"]:
            flag = CF_START_ACROSS if clue["Direction"] == 1 else CF_START_DOWN
            start = next(pos for pos, c in sorted(cells.items())
                         if c["ClueNumber"] == clue["ClueNumber"] and c["Flags"] & flag)
            length = len(clue["Word"]) - 1
            end = (start[0] + length, start[1]) if clue["Direction"] == 1 else (start[0], start[1] + length)
            print("drag", start[0], start[1], end[0], end[1])
        return
    first = True
    for row in range(1, glob["RiddleRows"] + 1):
        for col in range(1, glob["RiddleCols"] + 1):
            cell = cells[(col, row)]
            moves = ["ctrl+Home"] + ["Right"] * (col - 1) + ["Down"] * (row - 1)
            if cell["Flags"] & CF_BLACK:
                if kind == 5:  # American: the solver finds the black cells
                    print("keys", " ".join(moves))
                    print("blank", col, row)
                continue
            if cell["Flags"] & CF_LETTER and not cell["Revealed"]:
                letter = cell["Solution"]
                if wrong and first:
                    letter = "Q" if letter != "Q" else "X"
                first = False
                print("keys", " ".join(moves + [letter]))


if __name__ == "__main__":
    main()
