// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settingtext.h"

// Qt converts through a C string and stops at a NUL character as at the end of the text, so a
// value damaged into "12<NUL>7" would read as 12.
std::optional<qint16> toInt16(const QString& text) {
    if (text.contains(QChar::Null))
        return std::nullopt;
    bool ok = false;
    const qint16 value = text.toShort(&ok, 10);
    return ok ? std::optional<qint16>(value) : std::nullopt;
}

std::optional<qint32> toInt32(const QString& text) {
    if (text.contains(QChar::Null))
        return std::nullopt;
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}
