// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The banner "QUADRELLO" across the top of the main window (imgname), 430 × 28 pixels.
// Drawn for a screen of `scale` device pixels to one. Its background is transparent so that it sits
// on whatever background colour the player picks.

#include <QImage>

QImage paintTitleBanner(int scale);
