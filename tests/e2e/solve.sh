#!/bin/bash
# Solves a sample riddle the way a person would, with keys and the mouse, and waits for the
# message: "Glückwunsch!" for the solution, "Fehler!" with --wrong (one letter or symbol typed
# wrongly). A sudoku is solved by the keyboard alone. Where the cells lie is read off the
# accessibility bus.

. "$(dirname "$0")/lib.sh"
with_accessibility_bus "$@"
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' >/dev/null || fail "no accessibility bus"

name=${1:?usage: solve.sh SAMPLE [--wrong]}
wrong=${2:-}
here=$(dirname "$0")
expect='^Glückwunsch!$'
[ "$wrong" = --wrong ] && expect='^Fehler!$'

"$RIDDLEPACK" dump "$SAMPLES/$name.rid" >"$WORK/dump.json" || fail "dump failed"
python3 "$here/solution_keys.py" "$WORK/dump.json" $wrong >"$WORK/actions" || fail "no actions"
read -r _ _ header <"$WORK/actions"

size=$(python3 -c 'import json, sys
g = json.load(open(sys.argv[1]))["global"]
n = 3 * g["Size"] + 6 if "Size" in g else 0
print(n or g["RiddleRows"], n or g["RiddleCols"])' "$WORK/dump.json")

"$SAMPLES/$name" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"
# shellcheck disable=SC2086
read -r x0 y0 pitch < <(/usr/bin/python3 "$here/grid_place.py" $size) || fail "grid not found on the bus"

center() { # COL ROW -> screen position of the cell's centre
    echo $((x0 + ($1 - 1) * pitch + pitch / 2)) $((y0 + ($2 - 1) * pitch + pitch / 2))
}
# The blank-field button sits on the riddle window's tool bar, 30 pixels high, above the grid.
blank_button_x=$((x0 - header - 1 + 191))
blank_button_y=$((y0 - header - 1 - 15))

tail -n +2 "$WORK/actions" | while read -r action a b c d; do
    case $action in
    keys)
        # shellcheck disable=SC2086
        xdotool key --window "$win" --delay 5 $a $b $c $d
        ;;
    blank)
        xdotool mousemove "$blank_button_x" "$blank_button_y" click 1
        sleep 0.05
        ;;
    drag)
        read -r sx sy < <(center "$a" "$b")
        read -r ex ey < <(center "$c" "$d")
        xdotool mousemove "$sx" "$sy" mousedown 1 mousemove $(((sx + ex) / 2)) $(((sy + ey) / 2)) \
            mousemove "$ex" "$ey" mouseup 1
        sleep 0.05
        ;;
    esac
done

box=$(wait_window "$expect" 50) || fail "no message matching $expect"
kill -0 $pid || fail "player ended"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill $pid
echo "$name${wrong:+ $wrong}: message $expect shown"
