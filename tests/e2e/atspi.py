#!/usr/bin/python3
"""Clicks a control of the running player that the accessibility bus shows, the way a person
would: the mouse goes to its middle and presses the left button.
Usage: atspi.py ROLE NAME_PATTERN   e.g. atspi.py "menu item" "Schnappschuss"
The pattern must match the whole accessible name; only controls on screen count. Waits up to
five seconds for the control and exits with 1 when none appears."""
import re
import subprocess
import sys
import time

import pyatspi


def find(node, role, pattern, depth=0):
    if node is None or depth > 30:
        return None
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        if node.getRoleName() == role and pattern.fullmatch(node.name or "") and showing:
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a control that went away while it was looked at
        return None
    for child in children:
        found = find(child, role, pattern, depth + 1)
        if found:
            return found
    return None


def main():
    role, pattern = sys.argv[1], re.compile(sys.argv[2])
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            control = find(app, role, pattern)
            if control:
                box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                x, y = box.x + box.width // 2, box.y + box.height // 2
                subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.2", "click", "1"], check=True)
                print(f"clicked {role} '{control.name}' at {x},{y}")
                return
        time.sleep(0.1)
    sys.exit(f"no {role} named {sys.argv[2]} on screen")


if __name__ == "__main__":
    main()
