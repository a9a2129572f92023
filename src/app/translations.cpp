// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The compiled translations are built into the program, so it finds them wherever it runs
// from: installed, unpacked from its package, or straight from the build folder.
const QString ownTranslations = QStringLiteral(":/i18n");
} // namespace

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("quadrello"), QStringLiteral("_"), ownTranslations)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);

    // Qt's translations are a separate package; without it the file and colour dialogs stay
    // in English.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
