#!/usr/bin/python3
"""Solves a sudoku with the mouse alone, as a solver without a keyboard would: every free cell is
clicked, its pop-up menu opened with the right button, and the symbol chosen from the menu's
palette. The palette's buttons are found over the accessibility bus below the menu that the
player announces as shown; after each choice the cell's text on the bus must be the symbol.
Usage: mouse_solve.py DUMP.json"""
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
import grid  # noqa: E402
import pyatspi  # noqa: E402

fail = atspi.fail


class Menus(grid.Listener):
    """Also collects the pop-up menus the player shows."""

    def __init__(self):
        super().__init__()
        self.shown = []
        pyatspi.Registry.registerEventListener(self._on_shown, "object:state-changed:showing")

    def _on_shown(self, event):
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "popup menu":
                self.shown.append(event.source)
        except Exception:
            pass

    def button(self, name, what):
        """The showing button called name below the menu shown next."""
        def found():
            for menu in self.shown:
                hits = atspi.find_all(menu, atspi.named("push button", name), skip=())
                if hits and atspi.showing(hits[0]):
                    return hits[0]
            return None
        return self.wait(f"no button {name!r} in the pop-up menu: {what}", found)


def main():
    dump = json.load(open(sys.argv[1], encoding="utf-8"))
    n = 3 * dump["global"]["Size"] + 6
    answers = {(c["Row"] - 1, c["Col"] - 1): format(int(c["Solution"], 16), "X") for c in dump["cells"]}
    listener = Menus()
    table = grid.table(atspi.app(), n, n)
    cells = table.queryTable()
    chosen = 0
    for (r, c), (value, marks) in grid.read(table).items():
        if "vorgegeben" in marks:
            continue
        cell = cells.getAccessibleAt(r, c)
        atspi.click(cell)
        listener.wait(f"a click on cell {(r, c)} does not put the cursor there",
                      lambda: cell.getState().contains(pyatspi.STATE_FOCUSED))
        listener.shown.clear()
        atspi.click(cell, button=3)
        atspi.click(listener.button(f"Symbol {answers[(r, c)]}", f"cell {(r, c)}"))
        listener.wait(f"cell {(r, c)} does not show the chosen {answers[(r, c)]}: {cell.name!r}",
                      lambda: grid.parse(cell.name)[2] == answers[(r, c)])
        chosen += 1
    print(f"{chosen} symbols chosen from the palette by mouse")


if __name__ == "__main__":
    main()
