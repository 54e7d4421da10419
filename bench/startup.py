#!/usr/bin/python3
"""Start-up of the player against a bare Qt window with a painted 13 x 13 grid.

Runs both programs one after the other, RUNS times each, in one Xvfb server, and measures from the
launch to the last resize of the program's first mapped top-level window (after which it waits
for a quiet second). Prints the medians, their ratio, and how often the player's window was
resized after it appeared.

usage: bench/startup.py PLAYER BARE_WINDOW [RUNS]
"""

import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display

QUIET = 1.0


def measure(disp, command):
    root = disp.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    disp.sync()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    start = time.monotonic()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window, mapped, last, size, resizes = None, None, None, None, 0
    deadline = start + 20
    while time.monotonic() < deadline:
        if last is not None and time.monotonic() - last > QUIET:
            break
        while disp.pending_events():
            e = disp.next_event()
            now = time.monotonic()
            if e.type == X.MapNotify and window is None and e.window.id != root.id:
                window, mapped, last = e.window.id, now, now
                geometry = e.window.get_geometry()
                size = (geometry.width, geometry.height)
            elif e.type == X.ConfigureNotify and e.window.id == window and (e.width, e.height) != size:
                size, last = (e.width, e.height), now
                resizes += 1
        time.sleep(0.001)
    proc.kill()
    proc.wait()
    if window is None:
        sys.exit(f"no window appeared for {command[0]}")
    return last - start, mapped - start, resizes


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    player, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    disp = display.Display()
    results = {"player": [], "bare": []}
    resizes = []
    for _ in range(runs):
        for name, command in (("player", [player]), ("bare", [bare])):
            total, mapped, count = measure(disp, command)
            results[name].append((total, mapped))
            if name == "player":
                resizes.append(count)
    for name, rows in results.items():
        print(f"{name:7s} last resize {statistics.median(r[0] for r in rows) * 1000:7.1f} ms  "
              f"mapped {statistics.median(r[1] for r in rows) * 1000:7.1f} ms  (medians of {runs})")
    ratio = statistics.median(r[0] for r in results["player"]) / statistics.median(r[0] for r in results["bare"])
    print(f"ratio player / bare: {ratio:.2f}")
    print(f"resizes of the player's window after it appeared: {sorted(set(resizes))}")


if __name__ == "__main__":
    main()
