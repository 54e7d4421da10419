#!/bin/bash
# A damaged riddle shows the German error box; answering it ends the player.
. "$(dirname "$0")/lib.sh"

# Starts the executable, answers the error box, and checks that the player ends.
check_fails() {
    local name=$1 executable=$2
    "$executable" 2>"$WORK/stderr" &
    local pid=$!
    local box
    box=$(wait_window '^Quivane$') || fail "$name: no error box"
    xdotool search --onlyvisible --name '^Norvik Quivane$' >/dev/null 2>&1 && fail "$name: main window visible"
    # The box may take a moment to take keys after it appears: answer until the player ends.
    local status=""
    for _ in 1 2 3 4 5; do
        sleep 0.3
        xdotool key --window "$box" Return 2>/dev/null
        status=$(wait_exit $pid 20) && break
    done
    [ -n "$status" ] || fail "$name: player did not end"
    [ "$status" -ne 0 ] || fail "$name: player ended with status 0"
    echo "$name: error box answered, player ended ($status)"
}

check_damaged() {
    local name=$1 riddle=$2
    "$RIDDLEPACK" pack "$PLAYER" "$riddle" -o "$WORK/$name" || fail "$name: pack failed"
    check_fails "$name" "$WORK/$name"
}

# Truncated inside the cell table.
head -c 2000 "$SAMPLES/schwedenraetsel.rid" >"$WORK/truncated.rid"
check_damaged truncated "$WORK/truncated.rid"
# Header intact, GLOBAL replaced by an unknown tag.
python3 - "$SAMPLES/schwedenraetsel.rid" "$WORK/badtag.rid" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[54:60] = b"XXXXXX"
open(sys.argv[2], "wb").write(data)
PY
check_damaged badtag "$WORK/badtag.rid"
# No riddle appended at all.
check_fails none "$PLAYER"
