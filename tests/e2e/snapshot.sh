#!/bin/bash
# A sudoku snapshot as the solver uses it: a few symbols typed, a snapshot taken from the grid's
# pop-up menu, the grid changed, the snapshot restored after the question is answered with "Ja";
# the grid then looks exactly as when the snapshot was taken.

. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
here=$(dirname "$0")
# The registry runs before the player starts, so that the player finds it.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' >/dev/null || fail "no accessibility bus"

"$RIDDLEPACK" dump "$SAMPLES/sudoku-6.rid" >"$WORK/dump.json" || fail "dump failed"
python3 "$here/solution_keys.py" "$WORK/dump.json" >"$WORK/actions" || fail "no actions"
grep '^keys' "$WORK/actions" >"$WORK/keys"
read -r _ pitch _ <"$WORK/actions"
size=$(python3 -c 'import json, sys; print(3 * json.load(open(sys.argv[1]))["global"]["Size"] + 6)' "$WORK/dump.json")

"$SAMPLES/sudoku-6" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"

type_line() { # types the symbol of line N of the solution keys
    # shellcheck disable=SC2046
    xdotool key --window "$win" --delay 5 $(sed -n "${1}p" "$WORK/keys" | cut -d' ' -f2-)
}
click() { # ROLE NAME: the control of the player with that role and name, found on the bus
    /usr/bin/python3 - "$here" "$@" >>"$WORK/clicks" <<'PY' || fail "cannot click $*"
import sys
sys.path.insert(0, sys.argv[1])
import atspi
role, name = sys.argv[2], sys.argv[3]
atspi.click(atspi.find(atspi.app(), atspi.named(role, name), f"{role} {name}"))
PY
}
# The grid as a picture, with the cursor in its first cell; the bus tells where the grid is.
grid_picture() {
    xdotool key --window "$win" ctrl+Home
    sleep 0.5
    import -window root -depth 8 "$WORK/screen.ppm"
    read -r x0 y0 _ < <(/usr/bin/python3 "$here/grid_place.py" "$size" "$size") || fail "grid not found on the bus"
    local extent=$((size * pitch + 6))
    /usr/bin/convert "$WORK/screen.ppm" -crop "${extent}x${extent}+$((x0 - 3))+$((y0 - 3))" +repage "$1"
}
# Opens the grid's pop-up menu at the cursor and picks an item of its snapshot submenu by the
# keyboard: pop-up menus are not on the accessibility bus, and "Schnappschuss" is always the third
# item from the end, whatever else the riddle offers.
popup() { # ITEM: 0 for "Erstellen", n for the n-th snapshot
    local keys=(Menu Up Up Up Right)
    [ "$1" -gt 0 ] && keys+=($(printf 'Down %.0s' $(seq "$1")))
    xdotool key --window "$win" --delay 150 "${keys[@]}"
    # Return goes where the keyboard is, to the open menu: sent to the main window instead, it
    # would reach the question box as well and answer it.
    sleep 0.3
    xdotool key Return 2>/dev/null
    sleep 0.3
}

type_line 1
type_line 2
grid_picture "$WORK/taken.png"
popup 0

type_line 3
type_line 4
xdotool key --window "$win" ctrl+Home Delete
grid_picture "$WORK/changed.png"
compare -metric AE "$WORK/taken.png" "$WORK/changed.png" null: 2>"$WORK/diff" && fail "the grid did not change"

popup 1
click "push button" "Ja"
grid_picture "$WORK/restored.png"
compare -metric AE "$WORK/taken.png" "$WORK/restored.png" "$WORK/diff.png" 2>"$WORK/diff" ||
    fail "the restored grid differs in $(cat "$WORK/diff") pixels"
kill -0 $pid || fail "player ended"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill $pid
echo "snapshot taken and restored"
