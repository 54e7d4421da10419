#!/usr/bin/python3
"""Solves a riddle knowing only its answers and what the accessibility bus reports, the way a
blind solver with a screen reader would: the clue numbers and black fields are read from the
grid's cells, the cursor is steered with the arrow keys, and after every key the focused cell's
row, column and clue are read back from the bus (from the focus change the player announces).
After every word (a sudoku: every row) each cell's text is checked against what was typed.
Usage: bus_solve.py DUMP.json"""
import json
import subprocess
import sys
import os

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
import grid  # noqa: E402

fail = atspi.fail
STEP = {1: (0, 1), 2: (1, 0)}
WORD = {1: "Waagerecht", 2: "Senkrecht"}


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


class Solver:
    def __init__(self, table, listener, expected):
        self.table = table
        self.listener = listener
        self.expected = expected
        self.at = None
        self.description = ""

    def press(self, name, target=None):
        """A key that moves the cursor; the bus must report the focus on target."""
        self.listener.clear()
        key(name)
        row, col, cell_name, self.description = self.listener.next_focus(f"{name} towards {target}")
        self.at = (row, col)
        if target is not None and self.at != target:
            fail(f"{name}: the focus went to {self.at}, not to {target}")
        if grid.parse(cell_name)[:2] != self.at:
            fail(f"the focused cell at {self.at} calls itself {cell_name!r}")

    def go(self, target):
        while self.at != target:
            r, c = self.at
            if c != target[1]:
                self.press("Right" if c < target[1] else "Left", (r, c + (1 if c < target[1] else -1)))
            else:
                self.press("Down" if r < target[0] else "Up", (r + (1 if r < target[0] else -1), c))

    def type(self, letter, cell, then):
        """A letter into cell; the cell's text must follow it, and the cursor go on to then."""
        self.listener.clear()
        key(letter.lower())
        if then is not None:
            row, col, _, self.description = self.listener.next_focus(f"typing {letter} at {cell}")
            self.at = (row, col)
            if self.at != then:
                fail(f"after {letter} at {cell} the focus is on {self.at}, not on {then}")
        accessible = self.table.queryTable().getAccessibleAt(*cell)
        self.listener.wait(f"cell {cell} does not show the typed {letter}: {accessible.name!r}",
                           lambda: grid.parse(accessible.name)[2] == letter.upper())
        self.expected[cell] = letter.upper()

    def check_all(self, what):
        for pos, (value, _) in grid.read(self.table).items():
            if value != self.expected[pos]:
                fail(f"after {what}: cell {pos} says {value!r}, expected {self.expected[pos]!r}")


def start(table, listener, first):
    """The first cell the player focuses, as the listener heard it (or reads it)."""
    solver = Solver(table, listener, first)
    cells = table.queryTable()
    for r in range(cells.nRows):
        for c in range(cells.nColumns):
            acc = cells.getAccessibleAt(r, c)
            if acc.getState().contains(grid.pyatspi.STATE_FOCUSED):
                solver.at = (r, c)
                solver.description = acc.description
                return solver
    fail("no cell has the focus: the grid does not have the keyboard")


def word_riddle(dump, app, listener):
    glob = dump["global"]
    table = grid.table(app, glob["RiddleRows"], glob["RiddleCols"])
    cells = grid.read(table)
    numbers = {}
    for pos, (value, marks) in cells.items():
        for m in marks:
            if m.startswith("Nummer "):
                numbers[int(m.split()[1])] = pos
    expected = {pos: value for pos, (value, _) in cells.items()}
    solver = start(table, listener, expected)
    for clue in dump["clues"]:
        number, direction, word = clue["ClueNumber"], clue["Direction"], clue["Word"]
        if number not in numbers:
            fail(f"no cell says Nummer {number}")
        first = numbers[number]
        solver.go(first)
        wanted = f"{WORD[direction]} {number}"
        if not solver.description.startswith(wanted):
            # Return turns the input direction; the clue of the focused cell follows.
            key("Return")
            acc = table.queryTable().getAccessibleAt(*first)
            listener.wait(f"Return at {first} does not give {wanted}: {acc.description!r}",
                          lambda: acc.description.startswith(wanted))
            solver.description = acc.description
        if not solver.description.endswith(f", {len(word)} Buchstaben"):
            fail(f"{wanted}: the clue {solver.description!r} does not give the length {len(word)}")
        dr, dc = STEP[direction]
        for i, letter in enumerate(word):
            cell = (first[0] + i * dr, first[1] + i * dc)
            then = (cell[0] + dr, cell[1] + dc) if i + 1 < len(word) else None
            solver.type(letter, cell, then)
            if then is not None and not solver.description.startswith(wanted):
                fail(f"inside {wanted} the focused cell's clue is {solver.description!r}")
        solver.check_all(wanted)
    print(f"{len(dump['clues'])} words typed, every cell read back after each")
    if dump["keyword"]["Word"]:
        keyword(dump["keyword"]["Word"], app, listener)


def keyword(word, app, listener):
    """The solution word, typed into its boxes: a one-row table that says which letter of how
    many each box is."""
    boxes = grid.table(app, 1, len(word)).queryTable()
    listener.clear()
    atspi.click(boxes.getAccessibleAt(0, 0))
    row, col, name, _ = listener.next_focus("clicking the first box of the solution word")
    for i, letter in enumerate(word):
        if (row, col) != (0, i):
            fail(f"letter {i + 1} of the solution word: the focus is on box {col + 1}")
        listener.clear()
        key(letter.lower())
        box = boxes.getAccessibleAt(0, i)
        said = f"Lösungswort, Buchstabe {i + 1} von {len(word)}: {letter}"
        listener.wait(f"box {i + 1} says {box.name!r}, not {said!r}", lambda: box.name == said)
        if i + 1 < len(word):
            row, col, name, _ = listener.next_focus(f"typing {letter} into box {i + 1}")
    print(f"solution word {word} typed, every box read back")


def sudoku(dump, app, listener):
    n = 3 * dump["global"]["Size"] + 6
    table = grid.table(app, n, n)
    cells = grid.read(table)
    answers = {(c["Row"] - 1, c["Col"] - 1): format(int(c["Solution"], 16), "X") for c in dump["cells"]}
    expected = {pos: value for pos, (value, _) in cells.items()}
    solver = start(table, listener, expected)
    typed = 0
    for r in range(n):
        for c in range(n):
            if "vorgegeben" in cells[(r, c)][1]:
                continue
            solver.go((r, c))
            solver.type(answers[(r, c)], (r, c), None)
            typed += 1
        solver.check_all(f"row {r + 1}")
    print(f"{typed} symbols typed, every cell read back after each row")


def main():
    dump = json.load(open(sys.argv[1], encoding="utf-8"))
    listener = grid.Listener()
    app = atspi.app()
    if "Size" in dump["global"]:
        sudoku(dump, app, listener)
    else:
        word_riddle(dump, app, listener)


if __name__ == "__main__":
    main()
