// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The splash window's background, 539 × 229 pixels: the title, a subtitle and a 4×4 board
// of the landscape in mid-move. The window shows 536 × 228 of it and puts its "Play" and
// "Exit" buttons on the right, so that part is left quiet. It is drawn for a screen of `scale`
// device pixels to one.

#include <QImage>

QImage paintSplash(int scale);
