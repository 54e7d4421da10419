#!/bin/bash
# Packs the build into a Debian package, as `scripts/quivane.sh package` does, and checks it:
# lintian reports no error, the files are those a user needs and no more, and Depends names the
# libraries the programs link and the files the player loads at run time.
set -euo pipefail
build=$1 version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
deb="$out/quivane_${version}_amd64.deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb"), but:" "$out"/*.deb; exit 1; }
status=0

lintian --fail-on error --tag-display-limit 0 "$deb" || status=1

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
examples=$(cd "$(dirname "$0")/../../samples" && ls -- *.json *.jpg | sed 's|^|./usr/share/doc/quivane/examples/|')
expected=$(printf '%s\n' ./usr/bin/riddlepack ./usr/lib/quivane/quivane \
    ./usr/share/doc/quivane/changelog.gz ./usr/share/doc/quivane/copyright \
    ./usr/share/doc/quivane/riddle-source.md ./usr/share/man/man1/riddlepack.1.gz \
    ./usr/share/man/man6/quivane.6.gz "$examples" | sort)
if [ "$files" != "$expected" ]; then
    echo "FAIL: files in the package differ from those expected:"
    diff <(echo "$expected") <(echo "$files") || true
    status=1
fi

depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort | tr '\n' ' ')
expected_depends="fonts-liberation2 libc6 libgcc-s1 libjpeg62-turbo libqt6core6 libqt6gui6 libqt6printsupport6 \
libqt6widgets6 libstdc++6 qt6-translations-l10n "
if [ "$depends" != "$expected_depends" ]; then
    echo "FAIL: Depends names: $depends"
    echo "      expected:      $expected_depends"
    status=1
fi
[ $status -eq 0 ] && echo "package: $(basename "$deb") passes"
exit $status
