// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The 68 × 38 pictures on the four buttons of the main window's options panel: a dark red
// field with a bevel and blue details, carrying a motif for what the button does. Each is drawn for
// a screen of `scale` device pixels to one.

#include <QImage>

QImage paintNumberedFace(int scale);
// The face shared by "UN-Numbered" and "Grid OFF": the field alone.
QImage paintPlainFace(int scale);
QImage paintGridFace(int scale);
QImage paintColorFace(int scale);
QImage paintPreferencesFace(int scale);
