#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the model and widget tests (tests/settings, pictures, board, play, scores, windows, app)
# under valgrind's memcheck and fails when any of them shows a memory error or a definite
# leak.
# Valgrind and the sanitizers do not mix, so it uses a plain debug build of its own.
#   tools/valgrind.sh [build folder]      (default: build-valgrind)
# Each program's report is kept in <build folder>/valgrind/<program>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-valgrind}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRELLO_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

reports="$build/valgrind"
mkdir -p "$reports"
failed=()
for area in settings pictures board play scores windows app; do
    for source in tests/"$area"/tst_*.cpp; do
        name=$(basename "$source" .cpp)
        config=$(mktemp -d)
        # Code that PCRE2 compiles at run time for QRegularExpression looks to memcheck like it
        # reads uninitialised memory, so Qt is told to interpret its patterns instead.
        if QT_QPA_PLATFORM=offscreen QT_ENABLE_REGEXP_JIT=0 XDG_CONFIG_HOME="$config" \
            valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
                     --errors-for-leak-kinds=definite --error-exitcode=99 \
                     --log-file="$reports/$name.log" \
                     "$build/tests/$name" >"$reports/$name.out" 2>&1; then
            echo "clean   $name"
        else
            echo "FAILED  $name (see $reports/$name.log and .out)"
            failed+=("$name")
        fi
        rm -rf "$config"
    done
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "valgrind found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "valgrind: no memory errors and no definite leaks"
