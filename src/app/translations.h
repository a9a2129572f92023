// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

class QCoreApplication;

// Puts the program's translation for the player's language, and Qt's own for the standard
// dialogs, in front of the English texts. Where the program has no translation for that
// language nothing is installed, so the texts stay in English and the dialogs match them.
// Returns whether a translation was installed.
bool installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());
