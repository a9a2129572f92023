#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file in the repository states its copyright and licence, in the REUSE form: in its
# first lines, or, for files that cannot carry a comment, through a glob in .reuse/dep5. Lists
# each file that does neither, as "missing: PATH", and fails if there is one.
#
# Usage: check-licence-headers.sh SOURCE_DIR (tracked files and new ones git does not ignore)
# Exits 77 (skipped) outside a git checkout, where the repository's files are not known.
set -euo pipefail
# REUSE-IgnoreStart: the lines below name the tags they look for, and are no header.
cd "$1"
if ! command -v git >/dev/null || ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "not a git checkout: the files to check are not known."
    exit 77
fi

# The "Files:" globs of .reuse/dep5, continuation lines included; there, * also matches "/".
mapfile -t globs < <(awk '/^Files:/ { sub(/^Files:/, ""); on = 1 } /^[^ ]/ && !/^Files:/ { on = 0 }
                          on { print }' .reuse/dep5 | tr ' ' '\n' | grep -v '^$')

missing=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue # deleted, or a symbolic link to the licence text
    case $file in LICENSE | LICENSES/* | .reuse/dep5) continue ;; esac
    covered=no
    for glob in "${globs[@]}"; do
        # Unquoted, the glob matches as a pattern.
        [[ $file == $glob ]] && covered=yes && break
    done
    [ $covered = yes ] && continue
    # Software centres collect their metadata under CC0; everything else is the program's.
    licence=GPL-3.0-or-later
    case $file in *.metainfo.xml*) licence=CC0-1.0 ;; esac
    top=$(head -n 6 "$file" | tr -d '\0') # a picture not named in dep5 may hold NULs
    if ! grep -Eq 'SPDX-FileCopyrightText: [0-9]{4}(-[0-9]{4})? Quadrello contributors' <<<"$top" ||
        ! grep -Fq "SPDX-License-Identifier: $licence" <<<"$top"; then
        echo "missing: $file"
        missing=$((missing + 1))
    fi
done < <(git ls-files -z --cached --others --exclude-standard)

if [ $missing -gt 0 ]; then
    echo "$missing files lack the two lines (// or # SPDX-FileCopyrightText: <year> Quadrello"
    echo "contributors, SPDX-License-Identifier: GPL-3.0-or-later) at their top; files that cannot"
    echo "carry a comment go in .reuse/dep5."
    exit 1
fi
echo "Every file states its copyright and licence."
# REUSE-IgnoreEnd
