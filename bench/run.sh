#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmark in one command: builds what it needs (Release, in build-bench/), writes the test
# pictures, starts its own virtual screen (Xvfb) and prints the table. Takes five to ten minutes
# on two cores, most of it the first build. RUNS sets the number of repeated runs (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh

runs=${RUNS:-15}
build=build-bench
log=$build/bench-build.log
mkdir -p "$build"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUADRELLO_TESTS=OFF &&
    cmake --build "$build" -j "$(nproc)" --target quadrello quadrello_minimal \
        quadrello_minimalmain quadrello_startbench quadrello_gamebench quadrello_makepictures
} >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi

pictures=$build/bench-pictures
mkdir -p "$pictures"
"$build/bench/quadrello_makepictures" "$pictures" >&2
if [ ! -f "$pictures/picture-12mp.gif" ]; then
    # Qt reads GIF but cannot write it. /usr/bin first: the real ImageMagick, not a stand-in.
    convert=$(command -v /usr/bin/convert || command -v convert)
    "$convert" "$pictures/picture-12mp.png" "$pictures/picture-12mp.gif"
fi
# The 12 and 48 MP photos as a phone saves them, in HEIC and AVIF (libheif's heif-enc, at its
# fastest settings, which change how long the encoding takes more than how long the decoding
# does). heif-enc stores each in one piece, not as a grid of tiles.
for size in 12mp 48mp; do
    [ -f "$pictures/photo-$size.heic" ] || heif-enc -q 60 -p preset=ultrafast \
        "$pictures/photo-$size.jpg" -o "$pictures/photo-$size.heic" >&2
    [ -f "$pictures/photo-$size.avif" ] || heif-enc -q 60 -p speed=8 \
        "$pictures/photo-$size.jpg" -o "$pictures/photo-$size.avif" >&2
done

scratch=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
# -displayfd: Xvfb picks a free display and says which once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$scratch/runtime
export XDG_CONFIG_HOME=$scratch/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo unknown)
echo "Quadrello benchmark, $(date '+%Y-%m-%d %H:%M'): $(nproc) cores ($cpu), Qt $qt, Xvfb 1280×1024×24"
echo "Medians with (min–max); the ratios compare medians measured side by side in this run."
echo

status=0
"$build/bench/quadrello_startbench" --runs "$runs" --game "$build/src/quadrello" \
    --minimal "$build/bench/quadrello_minimal" \
    --minimal-main "$build/bench/quadrello_minimalmain" || status=1
"$build/bench/quadrello_gamebench" --pictures "$pictures" --runs "$runs" || status=1
exit $status
