// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The help window's text: how to play and what each key and button does, one line per
// line break, every line ended by one.
QString helpText();
