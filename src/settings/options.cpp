// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/options.h"

#include "settings/settingtext.h"

namespace {

const QString application = QStringLiteral("quadrello");
const QString section = QStringLiteral("options");

} // namespace

StartOptions readOptions(SettingsStore& store) {
    StartOptions options;
    options.texts.gridvalue =
        store.GetSetting(application, section, QStringLiteral("Gridvalue"), QStringLiteral("0"));
    options.texts.numvalue =
        store.GetSetting(application, section, QStringLiteral("numvalue"), QStringLiteral("1"));
    options.texts.enable =
        store.GetSetting(application, section, QStringLiteral("enable"), QStringLiteral("0"));

    options.gridOff = toInt16(options.texts.gridvalue).value_or(0) == 1 ? 0 : 1;
    options.numOff = toInt16(options.texts.numvalue).value_or(1) == 1 ? 0 : 1;
    options.autoScramble = toInt16(options.texts.enable).value_or(0) != 0 ? 1 : 0;
    return options;
}

OptionTexts saveOptions(SettingsStore& store, qint16 gridOff, qint16 numOff, qint16 autoScramble) {
    const OptionTexts texts{QString::number(gridOff), QString::number(numOff),
                            QString::number(autoScramble)};
    store.SaveSetting(application, section, QStringLiteral("Gridvalue"), texts.gridvalue);
    store.SaveSetting(application, section, QStringLiteral("Numvalue"), texts.numvalue);
    store.SaveSetting(application, section, QStringLiteral("Enable"), texts.enable);
    return texts;
}
