#!/bin/bash
# Solves a sample riddle the way a person would, with keys and the mouse, and waits for the
# message: "Glückwunsch!" for the solution, "Fehler!" with --wrong (one letter or symbol typed
# wrongly). A sudoku is solved by the keyboard alone.
. "$(dirname "$0")/lib.sh"

name=${1:?usage: solve.sh SAMPLE [--wrong]}
wrong=${2:-}
here=$(dirname "$0")
expect='^Glückwunsch!$'
[ "$wrong" = --wrong ] && expect='^Fehler!$'

"$RIDDLEPACK" dump "$SAMPLES/$name.rid" >"$WORK/dump.json" || fail "dump failed"
python3 "$here/solution_keys.py" "$WORK/dump.json" $wrong >"$WORK/actions" || fail "no actions"
read -r _ pitch header <"$WORK/actions"

# Puts the top-left pixel of the current word's first cell into $WORK/origin, once it is painted.
find_first_cell() {
    for _ in $(seq 30); do
        import -window root -depth 8 ppm:- 2>>"$WORK/import.log" | python3 "$here/grid_origin.py" >"$WORK/origin" && return 0
        sleep 0.3
    done
    return 1
}

# The top-left pixel of cell (1, 1): right after start the first free cell is painted in the
# current-word colour. A word search has no current word; its cells lie where those of a riddle
# without header lines lie, so the small Swedish riddle is measured instead.
measure_first_cell() {
    local sample=$1
    "$SAMPLES/$sample" 2>>"$WORK/stderr" &
    local pid=$!
    wait_window '^Norvik Quivane$' >/dev/null || fail "$sample: no main window"
    find_first_cell || fail "$sample: grid not found"
    kill $pid
    wait $pid 2>/dev/null
}
if grep -q '^drag' "$WORK/actions"; then
    measure_first_cell schwedenraetsel-klein
    sleep 1
fi

"$SAMPLES/$name" 2>>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no main window"
grep -q '^drag' "$WORK/actions" || find_first_cell || { cat "$WORK/import.log" >&2; fail "grid not found"; }
read -r x0 y0 <"$WORK/origin"

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
