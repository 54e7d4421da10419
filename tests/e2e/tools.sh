#!/bin/bash
# The tool windows and dialogs of a packed riddle, driven with keys and the mouse and read over the
# accessibility bus (see tools.py): keyword (the default riddle with its solution word and
# stopwatch), numbers (the number riddle through its legend), dialogs (properties and info) or
# pause (the default riddle paused and resumed).
# SHOTS names a folder for screenshots.
. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
mode=${1:?usage: tools.sh keyword|numbers|dialogs|pause}
sample=schwedenraetsel
[ "$mode" = numbers ] && sample=zahlenraetsel
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null

"$RIDDLEPACK" dump --embedded "$SAMPLES/$sample" >"$WORK/dump.json" || fail "dump failed"
"$SAMPLES/$sample" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"
/usr/bin/python3 "$(dirname "$0")/tools.py" "$mode" "$win" "$WORK/dump.json" "${SHOTS:-}" || { kill $pid; fail "$mode"; }
kill -0 $pid || fail "player ended"
kill $pid
