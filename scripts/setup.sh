#!/usr/bin/env bash
# Sets up a Debian 12 machine for Kolvenar, builds it, and then either starts the program
# ("run") or runs every test ("test"). Safe to repeat: it installs only what is missing and
# rebuilds only what changed. Works as root or through sudo.
set -euo pipefail

usage() {
    echo "usage: $0 run|test" >&2
    exit 2
}
[ $# -eq 1 ] || usage
mode=$1
case "$mode" in run | test) ;; *) usage ;; esac

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

say() { printf '\n== %s\n' "$*"; }

packages=(
    g++ cmake ninja-build
    qt6-base-dev qt6-svg-dev libgl-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation python3-markdown qt6-translations-l10n
    desktop-file-utils appstream
    dpkg-dev file lintian unzip python3 python3-openpyxl
)

"$top/scripts/install-packages.sh" "${packages[@]}"

jobs=$(nproc 2>/dev/null || echo 2)

# The program alone to run it; with its tests and benchmarks to test it.
parts=(-DBUILD_TESTING=OFF -DKOLVENAR_BUILD_BENCH=OFF)
if [ "$mode" = test ]; then
    parts=(-DBUILD_TESTING=ON -DKOLVENAR_BUILD_BENCH=ON)
fi
say "Configuring and building in build/"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVENAR_WERROR=ON "${parts[@]}"
cmake --build build --parallel "$jobs"

if [ "$mode" = run ]; then
    say "Starting build/app/kolvenar"
    exec ./build/app/kolvenar
fi

say "Running the test suite"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$jobs"

# Once more with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails the run.
say "Building and running the test suite with sanitizers in build-sanitize/"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOLVENAR_WERROR=ON \
    -DKOLVENAR_SANITIZE=ON -DKOLVENAR_BUILD_BENCH=OFF
cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1" \
    LSAN_OPTIONS="suppressions=$top/scripts/lsan-suppressions.txt:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure \
    --parallel "$jobs"
