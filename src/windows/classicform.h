// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

class QPushButton;
class QString;
class QWidget;

// The program's windows have fixed layouts, drawn in twips (15 to a pixel) for the small
// classic dialog font; these helpers turn such a layout into widgets.

QRect twips(int left, int top, int width, int height);

// "MS Sans Serif" where it exists, else a face of Arial's width, so captions fit their controls
// (the usual sans-serif fallback is much wider).
QFont classicFont(qreal points = 8.25, bool bold = false);

// A push button at a fixed place that never becomes the default button by taking the focus.
QPushButton* classicButton(QWidget* parent, const char* name, const QString& text,
                           const QRect& geometry);
