// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Asks the player for a file to open. Injected into the main window so that tests can answer
// "this file" or "cancel" without a real dialog. Returns the chosen path, or an empty string
// when the player cancels.
using FileChooser =
    std::function<QString(QWidget* parent, const QString& title, const QStringList& filters)>;

// Qt's own open-file dialog (the same on every desktop), with the game's own pictures among the
// places in its side bar. It opens where firstPicturesFolder() says, and after that in the
// folder of the last chosen file, which is remembered for the run only.
FileChooser systemFileChooser();
