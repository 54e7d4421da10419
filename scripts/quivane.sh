#!/bin/bash
# Developer entry point: installs what is missing (Debian 12), builds, and then
#   play      starts the default executable riddle (a Swedish riddle)
#   test      runs every test
#   sanitize  runs every test in an ASan + UBSan build
#   fuzz      builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (default 60):
#             the reader, the picture decoders, and the whole way of a loaded riddle
#   bench     builds and runs the benchmarks
#   mutate [FOLDER...] [--seed N] [--budget MINUTES]
#             a mutation run over model/, engine/, legends/, printing/ (scripts/mutate.py)
#   package        builds the Debian package build-package/quivane_VERSION_amd64.deb (Release)
#   package-check  builds it and installs it into a fresh minimal Debian 12 root, where it packs,
#                  starts and reads (needs Debian's archive; a few minutes)
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ cmake ninja-build ccache pkg-config python3 qt6-base-dev qt6-translations-l10n libjpeg-dev
          libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core xvfb xauth x11-apps
          imagemagick xdotool openbox python3-xlib dbus at-spi2-core python3-pyatspi cups
          printer-driver-cups-pdf poppler-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# cpack's dependency list needs dpkg-shlibdeps and file; the tests run lintian on the package.
PACKAGE_TOOLS=(dpkg-dev file lintian)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# The independent crossword parsers the import is checked against, into the build folder.
install_crosscheck() {
    local dir=$1/npm-crosscheck
    command -v npm >/dev/null || install_missing nodejs npm
    mkdir -p "$dir"
    cmp -s tests/tools/crosscheck/package-lock.json "$dir/package-lock.json" && [ -d "$dir/node_modules" ] && return 0
    cp tests/tools/crosscheck/package.json tests/tools/crosscheck/package-lock.json "$dir/"
    (cd "$dir" && npm ci --no-audit --no-fund --silent)
}

configure_build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

# Prints the path of the package it built; the build's own output goes to stderr.
build_package() {
    configure_build build-package -DCMAKE_BUILD_TYPE=Release -DQUIVANE_TESTS=OFF -DQUIVANE_BENCH=OFF >&2
    (cd build-package && cpack >&2)
    ls build-package/quivane_*_amd64.deb
}

case "${1:-}" in
play)
    install_missing "${PACKAGES[@]}"
    configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/samples/schwedenraetsel
    ;;
test)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIVANE_WERROR=ON
    install_crosscheck build
    cd build && ctest --output-on-failure
    ;;
sanitize)
    install_missing "${PACKAGES[@]}"
    configure_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUIVANE_SANITIZE=ON -DQUIVANE_BENCH=OFF
    install_crosscheck build-asan
    export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    cd build-asan && ctest --output-on-failure
    ;;
fuzz)
    install_missing "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    CXX=clang++ configure_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIVANE_FUZZ=ON \
        -DQUIVANE_SANITIZE=ON -DQUIVANE_TESTS=OFF -DQUIVANE_BENCH=OFF
    seconds=${FUZZ_SECONDS:-60}
    # What the toolkit keeps until the end (fonts, the session bus) is no leak of ours.
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
    # An input that takes two seconds, or one allocation of 256 MB, is a finding: a damaged riddle
    # has to stay cheap.
    for target in fuzz_riddle_reader fuzz_picture fuzz_import fuzz_pipeline; do
        mkdir -p "build-fuzz/corpus-$target"
        build-fuzz/fuzz/$target -max_total_time="$seconds" -timeout=2 -malloc_limit_mb=256 \
            -print_final_stats=1 -artifact_prefix=build-fuzz/ "build-fuzz/corpus-$target" "fuzz/corpus/$target"
    done
    ;;
bench)
    # qqwing only to compare the sudoku generator with.
    install_missing "${PACKAGES[@]}" qqwing
    configure_build build-bench -DCMAKE_BUILD_TYPE=Release -DQUIVANE_TESTS=OFF
    for b in build-bench/bench/bench_*; do "$b"; done
    bench/picture_memory.sh build-bench/shell/quivane build-bench/tools/riddlepack/riddlepack \
        build-bench/samples/schwedenraetsel.rid
    xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 bench/startup.py \
        build-bench/samples/schwedenraetsel build-bench/bench/startup_bare_window
    ;;
mutate)
    install_missing "${PACKAGES[@]}"
    shift
    # Lowest priority: a run takes half an hour or more and must not slow down other builds.
    exec nice -n 19 python3 scripts/mutate.py "$@"
    ;;
package)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build_package
    ;;
package-check)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}" mmdebstrap
    deb=$(build_package)
    [ "$(id -u)" -eq 0 ] && exec packaging/check.sh "$deb" build-package/package-check.png
    exec sudo packaging/check.sh "$deb" build-package/package-check.png
    ;;
*)
    echo "usage: $0 play|test|sanitize|fuzz|bench|mutate|package|package-check" >&2
    exit 1
    ;;
esac
