// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

// libjpeg alone, reading a JPEG file at one eighth of its size: the least work any reader built
// on libjpeg does for a board-sized picture (every coefficient must still be entropy-decoded).
// The in-process counterpart of `djpeg -scale 1/8`. Returns false when the file does not decode.
bool decodeEighthWithLibjpeg(const QString& path);
