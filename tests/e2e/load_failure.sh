#!/bin/bash
# A damaged riddle shows the German error box; answering it ends the player.
# One case per run (each in an X server of its own): truncated, badtag or none.
. "$(dirname "$0")/lib.sh"

case_name=${1:?usage: load_failure.sh truncated|badtag|none}

# Starts the executable, answers the error box, and checks that the player ends with status 1.
check_fails() {
    local name=$1 executable=$2
    "$executable" 2>"$WORK/stderr" &
    local pid=$!
    local box
    box=$(wait_window '^Quivane$') || {
        cat "$WORK/stderr" >&2
        wait_exit $pid 1 && echo "player ended with status $EXIT_STATUS" >&2
        fail "$name: no error box"
    }
    xdotool search --onlyvisible --name '^Norvik Quivane$' >/dev/null 2>&1 && fail "$name: main window visible"
    # The box may take a moment to take keys after it appears: answer until the player ends.
    local ended=""
    for _ in 1 2 3 4 5; do
        sleep 0.3
        xdotool key --window "$box" Return 2>/dev/null
        if wait_exit $pid 20; then
            ended=1
            break
        fi
    done
    [ -n "$ended" ] || fail "$name: player did not end"
    [ "$EXIT_STATUS" -eq 1 ] || fail "$name: player ended with status $EXIT_STATUS"
    echo "$name: error box answered, player ended ($EXIT_STATUS)"
}

check_damaged() {
    local name=$1 riddle=$2
    "$RIDDLEPACK" pack "$PLAYER" "$riddle" -o "$WORK/$name" || fail "$name: pack failed"
    check_fails "$name" "$WORK/$name"
}

case $case_name in
truncated)
    # Cut off inside the cell table.
    head -c 2000 "$SAMPLES/schwedenraetsel.rid" >"$WORK/truncated.rid"
    check_damaged truncated "$WORK/truncated.rid"
    ;;
badtag)
    # Header intact, GLOBAL replaced by an unknown tag.
    python3 - "$SAMPLES/schwedenraetsel.rid" "$WORK/badtag.rid" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[54:60] = b"XXXXXX"
open(sys.argv[2], "wb").write(data)
PY
    check_damaged badtag "$WORK/badtag.rid"
    ;;
none)
    # No riddle appended at all.
    check_fails none "$PLAYER"
    ;;
*) fail "unknown case $case_name" ;;
esac
