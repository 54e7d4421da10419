# Shared helpers of the end-to-end tests: each test script runs itself again inside xvfb-run.
set -u

if [ -z "${QUIVANE_IN_XVFB:-}" ]; then
    export QUIVANE_IN_XVFB=1
    # -noreset: the server must not restart between the players and xdotool calls of one test.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
# The players show their windows on this X server, whatever platform the caller's environment
# names (offscreen players would never show a window to find).
export QT_QPA_PLATFORM=xcb
# A runtime folder of the test's own, unless its session bus was started with one.
[ -n "${QUIVANE_IN_DBUS:-}" ] || export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
WORK=$(mktemp -d)
# Players still running when a test ends (or fails) end with it.
cleanup() {
    local pids
    pids=$(jobs -p)
    [ -n "$pids" ] && kill $pids 2>/dev/null
    rm -rf "$WORK" "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The test runs again inside a session bus of its own, which carries the accessibility bus over
# which widgets and grid cells are found. The bus keeps its socket in a runtime folder of its
# own, so that tests running side by side never share one.
with_accessibility_bus() {
    if [ -z "${QUIVANE_IN_DBUS:-}" ]; then
        cleanup
        export QUIVANE_IN_DBUS=1
        export XDG_RUNTIME_DIR=$(mktemp -d)
        exec dbus-run-session -- "$0" "$@"
    fi
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Waits until a visible window whose name matches the pattern exists; prints its id.
wait_window() {
    local pattern=$1 tries=${2:-100} id
    for _ in $(seq "$tries"); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tail -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    echo "no visible window named $pattern; windows:" >&2
    for id in $(xdotool search --name '.' 2>/dev/null); do
        echo "  $id '$(xdotool getwindowname "$id" 2>/dev/null)'" >&2
    done
    return 1
}

# Waits for the process to end and puts its exit status into EXIT_STATUS. Not to be called in a
# subshell: only the shell that started the process can collect its status.
wait_exit() {
    local pid=$1 tries=${2:-100}
    for _ in $(seq "$tries"); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            EXIT_STATUS=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}
