#!/bin/bash
# Runs inside the fresh root of packaging/check.sh: DEB is the package to install there.
set -euo pipefail
deb=$1
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
fail() {
    echo "package check: FAIL: $*" >&2
    exit 1
}

# Recommended packages stay out, so that the package's own Depends have to carry the player.
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
plugin=/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so
missing=$(ldd /usr/bin/riddlepack /usr/lib/quivane/quivane "$plugin" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries missing: $missing"
[ -f /usr/share/qt6/translations/qtbase_de.qm ] || fail "the German texts of Qt are missing"
fc-match Arial | grep -q '^LiberationSans' || fail "Arial is no Liberation Sans: $(fc-match Arial)"

cd /tmp
riddlepack build /usr/share/doc/quivane/examples/schwedenraetsel.json -o schwedenraetsel.rid
riddlepack pack schwedenraetsel.rid -o schwedenraetsel

# Only for the check: an X server, a tool to find the window, and the manual page reader.
apt-get install -y -qq --no-install-recommends xvfb xauth xdotool x11-apps man-db >/dev/null
cat >/tmp/start.sh <<'EOF'
./schwedenraetsel &
pid=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Norvik Quivane$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
xwd -root -silent >/tmp/screen.xwd
shown=$(xdotool search --onlyvisible --name '^Norvik Quivane$' 2>/dev/null || true)
kill -0 $pid && kill $pid
[ -n "$shown" ]
EOF
xvfb-run -a -s '-screen 0 1280x1024x24' bash /tmp/start.sh || fail "the executable riddle showed no main window"

man -P cat riddlepack 2>/dev/null | grep -q 'riddlepack pack \[player\] file.rid -o out' ||
    fail "man riddlepack does not render"
man -P cat 6 quivane 2>/dev/null | grep -q 'player of executable grid riddles' || fail "man 6 quivane does not render"
echo "package check: installed, packed, started and read inside the fresh root"
