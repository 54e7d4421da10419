#!/bin/bash
# The default executable riddle starts into the main window "Norvik Quivane".
. "$(dirname "$0")/lib.sh"

"$SAMPLES/schwedenraetsel" 2>"$WORK/stderr" &
pid=$!
win=$(wait_window '^Norvik Quivane$') || fail "no window 'Norvik Quivane'"
sleep 0.5
xdotool search --onlyvisible --name '^Quivane$' >/dev/null 2>&1 && fail "an error box appeared"
kill -0 $pid || fail "player ended"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill $pid
echo "window $win found"
