// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The filters of the picture file dialog: written once the way the game has always listed them,
// and converted to the list QFileDialog takes.

// Display texts and patterns alternate, separated by "|"; patterns of one filter by ";".
QString pictureFilterText();

// One entry per filter, in order. Qt reads a filter's patterns from a trailing "(...)": a display
// text that already ends in its own patterns is kept as it is, any other gets them appended.
QStringList toDialogFilters(const QString& filterText);

// toDialogFilters(pictureFilterText()).
QStringList pictureFilters();
