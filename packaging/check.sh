#!/bin/bash
# packaging/check.sh DEB [SCREENSHOT.png]: installs the package into a fresh minimal Debian 12 root
# with apt, as a user would, and there packs a sample onto the installed player, starts it under
# Xvfb until its main window shows, and renders the manual pages. The root lives in a temporary
# folder that mmdebstrap removes when it is done. Run as root.
set -euo pipefail
deb=$(readlink -f "$1")
screenshot=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

# The null target builds the root in a temporary folder and throws it away afterwards.
mmdebstrap --variant=minbase --mode=root --quiet \
    --customize-hook="copy-in $deb $here/check-inside.sh /tmp" \
    --customize-hook="chroot \"\$1\" bash /tmp/check-inside.sh /tmp/$(basename "$deb")" \
    --customize-hook="copy-out /tmp/screen.xwd $shots" \
    bookworm /dev/null

if [ -n "$screenshot" ] && command -v /usr/bin/convert >/dev/null; then
    /usr/bin/convert "xwd:$shots/screen.xwd" "$screenshot"
    echo "package check: screenshot in $screenshot"
fi
echo "package check: passed"
