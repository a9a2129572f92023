#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a build folder, unpacks it into a scratch root and checks that
# it holds exactly the game's files, that its dependencies were read from the binary, that its
# version is the one the metadata's release and the changelog name, that the metadata agrees
# with the installed tree, that lintian finds no error and no warning in it (where lintian is
# installed), and that the installed program starts from its desktop entry and shows its splash
# window on a virtual screen.
#
# Usage: check-deb.sh CPACK BUILD_DIR WORK_DIR APP_ID
# Exits 77 (skipped) when a tool it needs is not installed.
set -euo pipefail
cpack=$1 build=$2 work=$3 app_id=$4

for tool in dpkg-deb dpkg-shlibdeps dpkg-query dpkg-parsechangelog appstreamcli \
            desktop-file-validate Xvfb xdotool xwininfo xprop import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed; tools/install-deps.sh installs it."
        exit 77
    fi
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack could not build the package"
fi
debs=("$work"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb in $work"
fi
deb=${debs[0]}
echo "Built $(basename "$deb")"

# Exactly the game's files: the program, its desktop entry, metadata, man page, icons, the
# pictures to play with, changelog and copyright. Anything else (a test, the picture generator)
# does not belong in the package.
expected=(
    usr/games/quadrello
    usr/share/doc/quadrello/changelog.gz
    usr/share/doc/quadrello/copyright
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/man/man6/quadrello.6.gz
    usr/share/icons/hicolor/scalable/apps/quadrello.svg
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/quadrello.png")
done
for picture in balloons coral-reef harbour mosaic mountain-lake night-street; do
    expected+=("usr/share/games/quadrello/$picture.jpg")
done
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/files"; then
    fail "the package does not hold exactly the game's files (- missing, + unexpected)"
fi

# Dependencies come from dpkg-shlibdeps, which gives every library a lower version bound, and
# every one of them must be a package this machine has.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -Eq "(^|, )$library(:[a-z0-9]+)? \(>= [^)]+\)" <<<"$depends" ||
        fail "Depends does not name $library with a version bound"
done
IFS=',' read -ra alternatives <<<"$depends"
for alternative in "${alternatives[@]}"; do
    satisfied=no
    IFS='|' read -ra choices <<<"$alternative"
    for choice in "${choices[@]}"; do
        name=$(sed -E 's/^ *([^ (]+).*/\1/' <<<"$choice")
        if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed'; then
            satisfied=yes
        fi
    done
    [ $satisfied = yes ] || fail "no installed package satisfies '$alternative'"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
# One version everywhere: the package's, the changelog's newest entry and the newest release.
version=$(dpkg-deb -f "$deb" Version)
changelog_version=$(gzip -dc "$root/usr/share/doc/quadrello/changelog.gz" |
    dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's newest entry is $changelog_version, the package $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata's releases do not name $version"
# The metadata, the desktop entry and the icons must agree with each other where they are
# installed: the launchable exists, the icon is found in the theme.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

if command -v lintian >/dev/null; then
    lintian --display-info --fail-on error,warning "$deb" || fail "lintian found errors or warnings"
else
    echo "lintian is not installed; tools/install-deps.sh installs it. Its check was skipped."
fi

# The installed program starts from its desktop entry and shows its splash window. It runs on a
# virtual X screen of its own (-displayfd picks a free display, so other tests may run theirs
# meanwhile), with a settings folder of its own, until the window has been seen.
desktop=$root/usr/share/applications/$app_id.desktop
# desktop-file-validate reports some problems without failing.
problems=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$problems" ] ||
    fail "desktop-file-validate: $problems"
exec_path=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_path" = /usr/games/quadrello ] || fail "the desktop entry runs $exec_path"
binary=$root$exec_path
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xvfb='' game=''
# The game goes first, so that it does not see its display vanish.
trap 'kill $game 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$binary" &
game=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$game" | head -n 1) || true
[ -n "$window" ] || fail "the installed program showed no window"
size=$(xwininfo -id "$window" | sed -n 's/^ *\(Width\|Height\): *//p' | paste -sd x)
[ "$size" = 536x228 ] || fail "the first window is $size, not the splash window"
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"" ||
    fail "the window's WM_CLASS does not match StartupWMClass=$wm_class"
shot=$work/splash.png
import -window "$window" "$shot"
# A blank window would be a single colour; the splash shows its picture.
spread=$(convert "$shot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "the splash window shows no picture"
echo "The installed program showed its splash window ($shot)."
