// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/colorsettings.h"

#include "settings/colorvalue.h"
#include "settings/settingtext.h"

namespace {

const QString application = QStringLiteral("quadrello");
const QString section = QStringLiteral("color");

// Reads one colour; the default reaches the store as its decimal text.
qint32 read(SettingsStore& store, const QString& key, qint32 defaultValue, QString& text) {
    text = store.GetSetting(application, section, key, QString::number(defaultValue));
    const std::optional<qint32> value = toInt32(text);
    return value && *value >= 0 && *value <= MaxColorValue ? *value : defaultValue;
}

} // namespace

ColorValues readColors(SettingsStore& store) {
    ColorValues colors;
    colors.numColor =
        read(store, QStringLiteral("numcolor"), DefaultNumColorValue, colors.texts.numColor);
    colors.bkColor =
        read(store, QStringLiteral("bkcolor"), DefaultBkColorValue, colors.texts.bkColor);
    colors.boxColor =
        read(store, QStringLiteral("boxcolor"), DefaultBoxColorValue, colors.texts.boxColor);
    return colors;
}

ColorTexts saveColors(SettingsStore& store, qint32 numColor, qint32 bkColor, qint32 boxColor) {
    const ColorTexts texts{QString::number(numColor), QString::number(bkColor),
                           QString::number(boxColor)};
    store.SaveSetting(application, section, QStringLiteral("NumColor"), texts.numColor);
    store.SaveSetting(application, section, QStringLiteral("BkColor"), texts.bkColor);
    store.SaveSetting(application, section, QStringLiteral("BoxColor"), texts.boxColor);
    return texts;
}
