// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Asks the player for one colour. The colours window gets one of these at construction, so
// tests can answer "this colour" or "cancelled" without a real dialog.
// An empty answer means the player cancelled; nothing may change then.
using ColorChooser = std::function<std::optional<QColor>(QWidget* parent, const QString& title)>;

// The toolkit's own colour dialog, drawn by Qt itself so that it looks the same on every
// platform, with its custom-colour part always shown. It always opens on its own starting
// colour, never on the colour being replaced.
ColorChooser systemColorChooser();
