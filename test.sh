#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test offscreen: first the Release build in
# build/, then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# last the fuzz targets (build-fuzz/, clang with libFuzzer), each replaying its corpus and then
# trying a fixed number of new inputs from a fixed seed.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRELLO_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DQUADRELLO_TESTS=OFF -DQUADRELLO_FUZZ=ON
cmake --build build-fuzz -j "$jobs" --target fuzzers
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
