#!/usr/bin/python3
"""Reads the riddle grids over the accessibility bus the way a screen reader does: the grid is a
table, every cell says "Zeile R, Spalte C: VALUE, MARK, ...", the focused cell's description is
the clue of the current word, and the player announces every cursor move as a focus change and
every changed cell as a name change."""
import re
import time

import pyatspi
from gi.repository import GLib

import atspi

PLACE = re.compile(r"^Zeile (\d+), Spalte (\d+): (.*)$")


def parse(name):
    """(row, column) counted from 0, the value and the marks of a cell's name."""
    m = PLACE.match(name or "")
    if not m:
        atspi.fail(f"a cell name without its place: {name!r}")
    value, *marks = m.group(3).split(", ")
    return int(m.group(1)) - 1, int(m.group(2)) - 1, value, marks


def table(app, rows, cols, tries=100):
    """The showing table of exactly rows × cols cells (the riddle grid, not a legend)."""
    def sized():
        for t in atspi.find_all(app, lambda a: a.getRoleName() == "table"):
            try:
                tab = t.queryTable()
                if atspi.showing(t) and (tab.nRows, tab.nColumns) == (rows, cols):
                    return t
            except Exception:
                continue
        return None
    return atspi.wait_for(sized, f"no table of {rows} x {cols} cells", tries)


def tables(app):
    """The sizes (rows, columns) of the player's showing tables."""
    out = []
    for t in atspi.find_all(app, lambda a: a.getRoleName() == "table"):
        try:
            if atspi.showing(t):
                out.append((t.queryTable().nRows, t.queryTable().nColumns))
        except Exception:
            continue
    return out


def read(grid):
    """Every cell as the bus reports it: {(row, column): (value, marks)}; each cell's place in its
    name must be the place the table gives it."""
    tab = grid.queryTable()
    cells = {}
    for r in range(tab.nRows):
        for c in range(tab.nColumns):
            row, col, value, marks = parse(tab.getAccessibleAt(r, c).name)
            if (row, col) != (r, c):
                atspi.fail(f"cell ({r}, {c}) calls itself ({row}, {col})")
            cells[(r, c)] = (value, marks)
    return cells


class Listener:
    """Collects the focus and name changes the player sends, as a screen reader receives them."""

    def __init__(self):
        self.focus = []
        self.renamed = []
        pyatspi.Registry.registerEventListener(self._on_event, "object:state-changed:focused",
                                               "object:property-change:accessible-name")

    def _on_event(self, event):
        try:
            if event.type.startswith("object:state-changed:focused"):
                if event.detail1 == 1 and event.source.getRoleName() in ("table cell", "cell"):
                    self.focus.append(event.source)
            else:
                self.renamed.append(event.source.name)
        except Exception:
            pass

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.time() + seconds
        while time.time() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.005)

    def wait(self, what, check, seconds=3.0):
        context = GLib.MainContext.default()
        end = time.time() + seconds
        while time.time() < end:
            while context.pending():
                context.iteration(False)
            result = check()
            if result:
                return result
            time.sleep(0.005)
        atspi.fail(what)

    def clear(self):
        self.pump(0.05)
        self.focus.clear()
        self.renamed.clear()

    def next_focus(self, what):
        """The cell that took the focus next: its row, column (from the table), name and description."""
        cell = self.wait(f"no focus change: {what}", lambda: self.focus and self.focus.pop(0))
        return focused(cell)


def focused(cell):
    index = cell.getIndexInParent()
    tab = cell.parent.queryTable()
    return tab.getRowAtIndex(index), tab.getColumnAtIndex(index), cell.name, cell.description
