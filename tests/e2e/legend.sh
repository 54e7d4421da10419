#!/bin/bash
# The clue legend beside the grid of a packed riddle, read and driven over the accessibility bus:
# swedish (the default riddle: rows, jumping and typing, marks, hiding, tooltips, help) or puzzle
# (dragging a word from the legend into the grid). SHOTS names a folder for screenshots.
. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
kind=${1:?usage: legend.sh swedish|puzzle}
sample=schwedenraetsel
[ "$kind" = puzzle ] && sample=kreuzwortpuzzle
# The registry has to run before the player asks for the accessibility bus.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null

"$SAMPLES/$sample" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"
/usr/bin/python3 "$(dirname "$0")/legend.py" "$kind" "$win" "${SHOTS:-}" || { kill $pid; fail "$kind legend"; }
kill -0 $pid || fail "player ended"
kill $pid
