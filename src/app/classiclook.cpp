// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/classiclook.h"

#include "windows/classicform.h"

#include <QApplication>
#include <QFont>

void useClassicLook() {
    // Built into every Qt; should it be missing, the platform's style stays.
    QApplication::setStyle(QStringLiteral("Windows"));
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
    QApplication::setFont(classicFont());
}
