#!/bin/bash
# Solves a sample riddle over the accessibility bus alone (bus_solve.py) and waits for the
# solved message; with --mouse, a sudoku by mouse through its pop-up palette (mouse_solve.py);
# with --sizes, checks instead that every sample's grid is a table of its size.

. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
here=$(dirname "$0")
# The keys go where the window manager puts the focus, as a person's keys do.
openbox >/dev/null 2>&1 &
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' >/dev/null || fail "no accessibility bus"

# Starts the sample and waits for its main window.
start_player() {
    "$SAMPLES/$1" 2>>"$WORK/stderr" &
    pid=$!
    wait_window '^Norvik Quivane$' >/dev/null || fail "$1: no main window"
}

if [ "${1:-}" = --sizes ]; then
    for rid in "$SAMPLES"/*.rid; do
        name=$(basename "$rid" .rid)
        "$RIDDLEPACK" dump "$rid" >"$WORK/dump.json" || fail "$name: dump failed"
        start_player "$name"
        /usr/bin/python3 - "$here" "$WORK/dump.json" "$name" <<'PY' || fail "$name: the grid is no table of its size"
import json, sys
sys.path.insert(0, sys.argv[1])
import atspi, grid
glob = json.load(open(sys.argv[2], encoding="utf-8"))["global"]
n = 3 * glob["Size"] + 6 if "Size" in glob else None
rows, cols = (n, n) if n else (glob["RiddleRows"], glob["RiddleCols"])
table = grid.table(atspi.app(), rows, cols)
cells = grid.read(table)
print(f"{sys.argv[3]}: {rows} x {cols}, {len(cells)} cells read")
PY
        kill $pid
        wait $pid 2>/dev/null
    done
    exit 0
fi

solver=bus_solve.py
[ "${1:-}" = --mouse ] && { solver=mouse_solve.py; shift; }
name=${1:?usage: bus_solve.sh [--mouse] SAMPLE | --sizes}
"$RIDDLEPACK" dump "$SAMPLES/$name.rid" >"$WORK/dump.json" || fail "dump failed"
start_player "$name"
/usr/bin/python3 "$here/$solver" "$WORK/dump.json" || fail "$name: not solved over the bus"
wait_window '^Glückwunsch!$' 50 >/dev/null || fail "$name: no message Glückwunsch!"
# The message is a dialog a screen reader announces, with its text.
/usr/bin/python3 - "$here" <<'PY' || fail "$name: the message is not on the bus as a dialog"
import sys
sys.path.insert(0, sys.argv[1])
import atspi
box = atspi.find(atspi.app(), lambda a: a.getRoleName() in ("alert", "dialog") and a.name == "Glückwunsch!",
                 "the message box Glückwunsch!", tries=50)
texts = [a.name for a in atspi.find_all(box, lambda a: a.getRoleName() == "label")]
print(f"message on the bus: {box.getRoleName()} {box.name!r}: {texts}")
PY
kill -0 $pid || fail "player ended"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill $pid
echo "$name: solved over the accessibility bus"
