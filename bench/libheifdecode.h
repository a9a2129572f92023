// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QString;

// libheif alone, decoding a HEIC or AVIF file whole into RGB pixels, as its own heif-convert
// does: libheif cannot decode a picture smaller, so no reader built on it does less. Returns the
// picture's size, invalid when the file does not decode.
QSize decodeWithLibheif(const QString& path);
