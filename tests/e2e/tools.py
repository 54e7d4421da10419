#!/usr/bin/python3
"""The tool windows beside the grid and the dialogs of the packed player, driven with the mouse and
keys and read over the accessibility bus.
Usage: tools.py keyword|numbers|dialogs WINDOW_ID DUMP.json [SHOTS_DIR]
  keyword  the default riddle: all windows inside the main window and apart; the stopwatch runs;
           grid and solution word typed; the solved message with its best-time text; the clock stops
  numbers  the number riddle solved through its number legend with automatic entry
  dialogs  "Eigenschaften.." and "Info.." show the riddle and the program, and close again
  pause    the default riddle paused by its button: the stopwatch stands and the grid and solution word
           are covered; a click on the cover resumes, the grid looks as before and the clock runs on"""
import json
import os
import subprocess
import sys
import time

from atspi import app, click, extents, fail, find, find_all, named, screenshot, showing, wait_for, xdo

mode, window, dump_path = sys.argv[1], sys.argv[2], sys.argv[3]
shots = sys.argv[4] if len(sys.argv) > 4 else ""
dump = json.load(open(dump_path, encoding="utf-8"))
glob = dump["global"]
pitch = glob["GridSize"] + 1


def shot(name):
    screenshot(shots, name)


def frames():
    return [f for f in find_all(player, lambda a: a.getRoleName() in ("frame", "dialog")) if showing(f)]


def frame(name, tries=50):
    return wait_for(lambda: next((f for f in frames() if f.name == name), None), f"window {name!r}", tries)


def labels(root):
    return [l.name for l in find_all(root, lambda a: a.getRoleName() == "label") if showing(l)]


def inside(inner, outer):
    ix, iy, iw, ih = inner
    ox, oy, ow, oh = outer
    return ox <= ix and oy <= iy and ix + iw <= ox + ow and iy + ih <= oy + oh


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def led_time():
    return find(player, lambda a: a.name == "Die für die Lösung des Rätsels benötigte Zeit", "stopwatch").description


def seconds(text):
    minutes, secs = text.split(":")
    return int(minutes) * 60 + int(secs)


def type_grid():
    """Types every letter of the solution into the grid, cell by cell from the top left."""
    keys = subprocess.run([sys.executable, os.path.join(os.path.dirname(__file__), "solution_keys.py"), dump_path],
                          check=True, capture_output=True, text=True).stdout.splitlines()[1:]
    for line in keys:
        action, *args = line.split()
        if action == "keys":
            xdo("key", "--window", window, "--delay", "2", *args)


def pixels(box):
    """The screen's pixels inside box, as raw RGB bytes."""
    x, y, w, h = box
    return subprocess.run(["/usr/bin/import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "rgb:-"],
                          check=True, capture_output=True).stdout


def changed(before, after):
    """How many pixels differ between two pictures of one box."""
    return sum(before[i:i + 3] != after[i:i + 3] for i in range(0, len(before), 3))


def solved_message():
    box = frame("Glückwunsch!", 100)
    return box, " ".join(labels(box))


player = app()
main = frame("Norvik Quivane")

if mode == "keyword":
    word = dump["keyword"]["Word"]
    riddle = frame(glob["Title"])
    legend = frame("Legende")
    solution = frame(dump["keyword"]["ClueText"] + ":")
    stopwatch = frame("Lösungszeit")
    # Every tool window inside the main window, none covering another.
    windows = {"riddle": riddle, "legend": legend, "solution": solution, "stopwatch": stopwatch}
    boxes = {name: extents(w) for name, w in windows.items()}
    for name, box in boxes.items():
        if not inside(box, extents(main)):
            fail(f"{name} window {box} reaches out of the main window {extents(main)}")
    # Nothing cut off: what each window shows lies inside it.
    # The grid is named by the riddle window's caption, the riddle's title.
    content = {"riddle": [glob["Title"]], "legend": ["Waagerecht", "Senkrecht"],
               "solution": ["Das gesuchte Lösungswort"],
               "stopwatch": ["Die für die Lösung des Rätsels benötigte Zeit", "Aufwärts", "Abwärts"]}
    for name, parts in content.items():
        for part in parts:
            # The riddle window's own frame bears the grid's name too.
            box = extents(find(windows[name],
                               lambda a, p=part, n=name: a.name == p and (n != "riddle" or a.getRoleName() != "frame"),
                               f"{part} in the {name} window"))
            if not inside(box, boxes[name]):
                fail(f"{part} {box} is cut off by its {name} window {boxes[name]}")
    best = find(stopwatch, lambda a: a.getRoleName() == "label" and a.name.endswith(" min."), "best time")
    if not inside(extents(best), boxes["stopwatch"]):
        fail(f"the best time {extents(best)} is cut off by the stopwatch {boxes['stopwatch']}")
    names = list(boxes)
    for i, a in enumerate(names):
        for b in names[i + 1:]:
            if overlap(boxes[a], boxes[b]):
                fail(f"{a} {boxes[a]} and {b} {boxes[b]} overlap")
    if labels(stopwatch)[-1:] != [f"{glob['BestTimeHolder']}: {glob['BestTime'] // 60:02d}:{glob['BestTime'] % 60:02d} min."]:
        fail(f"best time reads {labels(stopwatch)}")
    shot("default-riddle-windows.png")

    # The clock runs while the riddle is being solved.
    first = led_time()
    time.sleep(2.2)
    later = led_time()
    if seconds(later) <= seconds(first):
        fail(f"stopwatch stands at {first} -> {later}")

    type_grid()
    grid_keyword = find(solution, lambda a: a.name == "Das gesuchte Lösungswort", "solution word boxes")
    gx, gy, _, _ = extents(grid_keyword)
    xdo("mousemove", gx + 1 + pitch // 2, gy + 1 + pitch // 2)
    xdo("click", 1)
    time.sleep(0.2)
    shot("default-riddle-typed.png")
    xdo("key", "--window", window, "--delay", "30", *word.lower())
    box, text = solved_message()
    if text != "Sie haben das Rätsel in Bestzeit gelöst!":
        fail(f"solved message reads {text!r}")
    shot("default-riddle-solved.png")
    # The clock stops with the solution.
    stopped = led_time()
    time.sleep(2.2)
    if led_time() != stopped:
        fail(f"stopwatch runs on after the solution: {stopped} -> {led_time()}")
    print(f"default riddle solved with its solution word {word} in {stopped}: {text}")

elif mode == "numbers":
    legend = frame("Legende")
    grid = find(legend, lambda a: a.name == "Die Buchstaben eingeben, die den Zahlen im Rätsel zugeordnet werden",
                "number legend grid")
    click(find(legend, lambda a: a.name == "Bekannte Buchstaben automatisch eintragen", "automatic entry button"))
    entries = [e["Solution"] for e in dump["letterLegend"][:26]]
    used = [i for i, s in enumerate(entries) if s]
    gx, gy, _, _ = extents(grid)
    first = used[0]
    column, row = (1, first) if first < 13 else (3, first - 13)
    xdo("mousemove", gx + 1 + column * pitch + pitch // 2, gy + 1 + row * pitch + pitch // 2)
    xdo("click", 1)
    time.sleep(0.2)
    shot("number-legend-start.png")
    # Each letter goes to its number; Down moves on to the next number of the riddle.
    for i in used:
        xdo("key", "--window", window, "--delay", "20", entries[i].lower(), "Down")
    box, text = solved_message()
    shot("number-legend-solved.png")
    print(f"number riddle solved through its legend ({len(used)} letters): {text}")

elif mode == "dialogs":
    # "&Eigenschaften.." from the menu "&Rätsel".
    xdo("key", "--window", window, "alt+r")
    time.sleep(0.3)
    xdo("key", "e")
    props = frame("Rätsel-Eigenschaften")
    shown = labels(props)
    expected = {"title": glob["Title"], "author": glob["Author"], "comment": glob["Comment"],
                "size": f"{glob['RiddleCols']} x {glob['RiddleRows']} Felder",
                "type": "Schwedenrätsel mit Lösungswort"}
    for what, text in expected.items():
        if text not in shown:
            fail(f"properties show no {what} {text!r}: {shown}")
    shot("properties.png")
    xdo("key", "--window", window, "Escape")
    wait_for(lambda: not any(f.name == "Rätsel-Eigenschaften" for f in frames()), "properties stay open")

    click(find(main, lambda a: a.name == "Informationen zum Programm anzeigen", "program info button"))
    info = frame("Info")
    shown = labels(info)
    if "Velmora" not in shown or f"Version {dump['version']}" not in shown:
        fail(f"info shows {shown}")
    shot("info.png")
    xdo("key", "--window", window, "Escape")
    wait_for(lambda: not any(f.name == "Info" for f in frames()), "info stays open")
    print("properties and info: shown and closed")

elif mode == "pause":
    cover_text = "Pause – zum Weiterspielen klicken oder eine Taste drücken"
    riddle = frame(glob["Title"])
    solution = frame(dump["keyword"]["ClueText"] + ":")
    grid_box = extents(find(riddle, lambda a: a.getRoleName() == "table", "riddle grid"))
    word_box = extents(find(solution, lambda a: a.name == "Das gesuchte Lösungswort", "solution word boxes"))
    clock_box = extents(find(player, lambda a: a.name == "Die für die Lösung des Rätsels benötigte Zeit",
                             "stopwatch"))
    time.sleep(1.2)
    grid_before = pixels(grid_box)
    click(find(main, lambda a: a.name == "Die Lösungszeit anhalten und das Rätsel verdecken", "pause button"))
    covers = wait_for(lambda: [extents(c) for c in find_all(player, lambda a: a.name == cover_text) if showing(c)],
                      "no pause cover")
    for what, box in (("grid", grid_box), ("solution word", word_box)):
        if not any(inside(box, c) for c in covers):
            fail(f"the {what} {box} is not covered: covers {covers}")
    if changed(grid_before, pixels(grid_box)) < len(grid_before) // 3 // 2:
        fail("the grid still shows through the pause cover")
    shot("pause.png")
    paused, clock_shown = led_time(), pixels(clock_box)
    time.sleep(2.2)
    if led_time() != paused or pixels(clock_box) != clock_shown:
        fail(f"the stopwatch runs on in the pause: {paused} -> {led_time()}")

    click(find(player, lambda a: a.name == cover_text, "pause cover"))
    wait_for(lambda: not [c for c in find_all(player, lambda a: a.name == cover_text) if showing(c)],
             "the pause cover stays after a click")
    time.sleep(0.3)
    if changed(grid_before, pixels(grid_box)):
        fail("the grid looks different after the pause")
    time.sleep(2.2)
    resumed = led_time()
    if not seconds(paused) < seconds(resumed) <= seconds(paused) + 4:
        fail(f"the clock does not go on from {paused} after the pause: {resumed}")
    shot("pause-resumed.png")
    print(f"paused at {paused}, covered, the clock stood; resumed to {resumed}")
