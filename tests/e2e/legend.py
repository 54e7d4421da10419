#!/usr/bin/python3
"""The clue legend and the hints window in the packed player, driven with the mouse and keys.
Usage: legend.py swedish|puzzle WINDOW_ID [SHOTS_DIR]"""
import sys
import time

from atspi import (app, centre, click, extents, fail, find, find_all, named, row_with, rows, screenshot, showing,
                   wait_for, xdo)

kind, window = sys.argv[1], sys.argv[2]
shots = sys.argv[3] if len(sys.argv) > 3 else ""


def shot(name):
    screenshot(shots, name)


player = app()
main = find(player, named("frame", "Norvik Quivane"), "main window")
legend = find(player, named("frame", "Legende"), "legend window")
riddle = [f for f in find_all(main, lambda a: a.getRoleName() == "frame") if f.name not in ("Legende", "Norvik Quivane")][0]
# The grid is named by the riddle window's caption.
grid = find(riddle, lambda a: a.name == riddle.name and a.getRoleName() != "frame", "riddle grid")

# The legend stands to the right of the riddle window, at its top, as high as it but no lower
# than its own 419 pixels, inside the main window.
rx, ry, rw, rh = extents(riddle)
lx, ly, lw, lh = extents(legend)
mx, my, mw, mh = extents(main)
if (lx, ly, lh) != (rx + rw, ry, max(rh, 419)) or lx + lw > mx + mw or ly + lh > my + mh:
    fail(f"legend at {lx},{ly} {lw}x{lh}, riddle at {rx},{ry} {rw}x{rh}, main {mx},{my} {mw}x{mh}")


def cell(col, row, pitch):
    gx, gy, _, _ = extents(grid)
    return gx + (col - 1) * pitch + pitch // 2, gy + (row - 1) * pitch + pitch // 2


def button(name):
    return find(legend, lambda a: a.name == name and a.getRoleName() in ("push button", "check box", "toggle button"),
                f"legend button {name}")


if kind == "swedish":
    across = find(legend, named("tree", "Waagerecht"), "list Waagerecht")
    down = find(legend, named("tree", "Senkrecht"), "list Senkrecht")
    if not row_with(across, "Fall aus der Höhe") or not row_with(down, "Aufbau, Gefüge"):
        fail("clue texts missing: %s" % [r[0] for r in rows(across)][:5])
    if row_with(across, "STURZ"):
        fail("a Swedish legend shows the solution words")
    shot("legend-swedish.png")

    # Solved words get marked: a click on the clue leads to its word, the typed word solves it.
    click(button("Bearbeitete Begriffe markieren"))
    _, _, cells = row_with(across, "schwarzer Vogel")
    click(cells[-1])
    xdo("key", "--window", window, "--delay", "30", "R", "A", "B", "E")
    wait_for(lambda: (row_with(across, "schwarzer Vogel") or [None, ""])[1] == "gelöst",
             "typed word's row not marked solved")
    if row_with(across, "zuverlässig, ergeben")[1] != "ungelöst":
        fail("another row was marked too")
    shot("legend-marked.png")
    click(button("Bearbeitete Begriffe ausblenden"))
    wait_for(lambda: row_with(across, "schwarzer Vogel") is None, "solved row still listed after hiding")

    # Tooltips: resting on the first numbered cell shows its clues; the next cell closes them.
    click(find(riddle, lambda a: a.name == "Nummern und Umschreibungen als Tooltip anzeigen", "tooltip button"))
    xdo("mousemove", *cell(1, 1, 31))
    time.sleep(0.2)
    xdo("mousemove_relative", "--", 2, 2)
    hint = wait_for(lambda: [l for l in find_all(player, lambda a: a.getRoleName() == "label" and a.name.startswith("W: "))
                             if showing(l)], "no hints window over the numbered cell")[0]
    if "W: Fall aus der Höhe" not in hint.name or "S: Aufbau, Gefüge" not in hint.name:
        fail("hint reads " + hint.name)
    shot("tooltip-swedish.png")
    xdo("mousemove", *cell(2, 1, 31))
    wait_for(lambda: not [l for l in find_all(player, lambda a: a.getRoleName() == "label" and a.name.startswith("W: "))
                          if showing(l)], "hints window stayed open on the next cell")

    # "Hilfe.." from the grid's pop-up menu shows the help of crosswords.
    xdo("mousemove", *cell(3, 3, 31))
    xdo("click", 3)
    time.sleep(0.5)
    # The pop-up menu ends with "Hilfe.." and "Schließen": from below, the second item.
    xdo("key", "Up", "Up")
    shot("popup.png")
    xdo("key", "Return")
    wait_for(lambda: [l for l in find_all(player, lambda a: a.getRoleName() == "label" and "Kreuzworträtsel lösen" in a.name)
                      if showing(l)], "no help text after Hilfe..")
    shot("help-swedish.png")
    print("swedish legend, marks, hiding, tooltip and help: ok")
else:
    down = find(legend, named("tree", "Senkrecht"), "list Senkrecht")
    if [a for a in find_all(legend, named("tree", "Waagerecht")) if showing(a)]:
        fail("a puzzle starts with two lists")
    if not row_with(down, "ELEGANT"):
        fail("puzzle words missing")
    click(button("Bearbeitete Begriffe markieren"))
    _, _, cells = row_with(down, "ELEGANT")
    sx, sy = centre(cells[-1])
    tx, ty = cell(2, 1, 30)
    xdo("mousemove", sx, sy)
    xdo("mousedown", 1)
    for step in range(1, 9):
        time.sleep(0.08)
        xdo("mousemove", sx + (tx - sx) * step // 8, sy + (ty - sy) * step // 8)
    time.sleep(0.3)
    xdo("mouseup", 1)
    wait_for(lambda: (row_with(down, "ELEGANT") or [None, ""])[1] == "gelöst",
             "dropped word not in the grid (its clue is not solved)")
    shot("legend-puzzle-dropped.png")
    print("puzzle drag and drop: ok")
