#!/usr/bin/python3
"""Helpers of the end-to-end tests that find the player's windows, lists and buttons over the
accessibility bus and act on them with xdotool, the way a person would with the mouse."""
import os
import subprocess
import time

import pyatspi


def fail(text):
    raise SystemExit("FAIL: " + text)


def wait_for(check, what, tries=50, pause=0.1):
    """The first true result of check, tried every pause seconds; a failure naming what after that."""
    for _ in range(tries):
        result = check()
        if result:
            return result
        time.sleep(pause)
    fail(what)


def screenshot(folder, name):
    """A picture of the whole screen into folder, if the test was given one."""
    if folder:
        subprocess.run(["/usr/bin/import", "-window", "root", os.path.join(folder, name)], check=True)


def app(name="Quivane", tries=100):
    for _ in range(tries):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == name:
                return a
        time.sleep(0.1)
    raise SystemExit(f"FAIL: no accessible application {name}")


def find_all(root, match, depth=0, skip=("menu bar",)):
    found = []
    try:
        role = root.getRoleName()
    except Exception:
        return found
    if role in skip or depth > 14:
        return found
    if match(root):
        found.append(root)
    if role in ("tree", "table"):
        return found
    for i in range(root.childCount):
        found += find_all(root.getChildAtIndex(i), match, depth + 1, skip)
    return found


def find(root, match, what, tries=50):
    for _ in range(tries):
        hits = [a for a in find_all(root, match) if showing(a)]
        if hits:
            return hits[0]
        time.sleep(0.1)
    raise SystemExit(f"FAIL: {what} not found")


def named(role, name):
    return lambda a: a.getRoleName() == role and a.name == name


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def centre(acc):
    x, y, w, h = extents(acc)
    return x + w // 2, y + h // 2


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def click(acc, button=1):
    x, y = centre(acc)
    xdo("mousemove", x, y)
    time.sleep(0.1)
    xdo("click", button)
    time.sleep(0.2)


def rows(tree, tries=20):
    """The visible rows of a legend list: lists of the cell texts of the shown columns, and the
    solved mark ("gelöst"/"ungelöst") of each row. A list that is being rebuilt hands out vanished
    cells for a moment; it is read again until one pass sees it whole."""
    for _ in range(tries):
        try:
            return _read_rows(tree.queryTable())
        except (AttributeError, RuntimeError, LookupError):
            time.sleep(0.1)
    fail("the legend list never held still long enough to be read")


def _read_rows(table):
    out = []
    for r in range(table.nRows):
        cells = [table.getAccessibleAt(r, c) for c in range(table.nColumns)]
        shown = [c for c in cells if extents(c)[2] > 0]
        if not shown:
            continue
        mark = next((c.description for c in shown if c.description), "")
        out.append(([c.name for c in shown], mark, shown))
    return out


def row_with(tree, text):
    for texts, mark, cells in rows(tree):
        if text in texts:
            return texts, mark, cells
    return None
