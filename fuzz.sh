#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz build in build-fuzz/ (clang, libFuzzer, ASan and UBSan) and runs every fuzz
# target for SECONDS (60 by default), one after the other. Inputs worth keeping pile up in
# build-fuzz/found/<target>/ from run to run; an input that breaks the game is written to
# build-fuzz/crashes/, that target stops, and the script fails once all have run.
# Usage: ./fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
./tools/install-deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DQUADRELLO_TESTS=OFF -DQUADRELLO_FUZZ=ON
cmake --build build-fuzz -j 2 --target fuzzers

mkdir -p build-fuzz/crashes
[ -d /dev/shm ] && export TMPDIR=/dev/shm
export QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp
failed=()
for target in settings pictures drops; do
    echo "== fuzz_$target, $seconds s"
    mkdir -p "build-fuzz/found/$target"
    build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 \
        -malloc_limit_mb=1100 -rss_limit_mb=2500 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/ \
        "build-fuzz/found/$target" "tests/fuzz/corpus/$target" 2>&1 |
        grep -v -E '^#[0-9]+.*(NEW|REDUCE|pulse)' || failed+=("fuzz_$target")
done
[ ${#failed[@]} -eq 0 ] || { echo "Failed: ${failed[*]} (inputs in build-fuzz/crashes/)" >&2; exit 1; }
