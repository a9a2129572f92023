// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A colourful mountain landscape drawn from shapes and gradients: the picture cut into
// tiles on the splash window's decorative board. Each area of the picture has its own
// colours and shapes so that the tiles can be told apart.

#include <QImage>

QImage paintLandscape(QSize size);
