// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program icon: a blue keypad of square keys under a small display, one key slot
// left empty like the empty box of the puzzle. Drawn for each icon size on whole pixels.

#include <QImage>

QImage paintKeypadIcon(int size);
