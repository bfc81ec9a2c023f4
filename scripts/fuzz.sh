#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (AddressSanitizer and UndefinedBehaviorSanitizer
# on) in build-fuzz/ and runs each for a bounded time, starting from the committed corpus in
# fuzz/corpus/. New interesting inputs land in build-fuzz/corpus/<target>/; a crash leaves its
# input in build-fuzz/ and fails the script. Copy inputs worth keeping into fuzz/corpus/, where
# the test suite replays them at every run.
#
# usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
#        targets: leading_number number_text settings_file workbook_cell windows1252
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(leading_number number_text settings_file workbook_cell windows1252)
fi

"$top/scripts/install-packages.sh" clang libclang-rt-14-dev cmake ninja-build qt6-base-dev qt6-svg-dev \
    libgl-dev fonts-liberation python3-markdown

printf '\n== Building the fuzz targets in build-fuzz/\n'
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLVENAR_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF -DKOLVENAR_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake --build build-fuzz --parallel "$(nproc)" \
    --target $(printf '%s_fuzzer ' "${targets[@]}")

status=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    printf '\n== Fuzzing %s for %s seconds\n' "$target" "$seconds"
    if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/${target}-" "$corpus" "fuzz/corpus/$target"; then
        printf '\n== %s found a failing input (see build-fuzz/%s-*)\n' "$target" "$target"
        status=1
    fi
done
exit $status
