#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a checking tool, or reports the test skipped (77) when the tool is not installed.
set -euo pipefail
if ! command -v "$1" >/dev/null; then
    echo "$1 is not installed; tools/install-deps.sh installs it."
    exit 77
fi
exec "$@"
