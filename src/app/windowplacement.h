// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Places a top-level window in the middle of the screen it is on, frame included.
void centerOnScreen(QWidget* window);
// Places a window just right of another one, or left of it when the screen ends there.
void placeBeside(QWidget* window, const QWidget* anchor);
