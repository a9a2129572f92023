#include "settings/settingtext.h"

std::optional<qint16> toInt16(const QString& text) {
    bool ok = false;
    const qint16 value = text.toShort(&ok, 10);
    return ok ? std::optional<qint16>(value) : std::nullopt;
}

std::optional<qint32> toInt32(const QString& text) {
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}
