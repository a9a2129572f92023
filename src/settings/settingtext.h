// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Stored settings are text; these read whole numbers back from it. They accept decimal digits
// with an optional sign and surrounding white space, and give nothing for anything else (empty
// text, fractions, letters, numbers out of range), so each caller decides what a damaged value
// means.
std::optional<qint16> toInt16(const QString& text);
std::optional<qint32> toInt32(const QString& text);
