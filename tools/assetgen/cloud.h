// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small cloud: a row of overlapping puffs, the biggest in the middle, about `width` wide
// and centred on `at`. The pictures fill it in the colours of their own sky.

#include <QPainterPath>

QPainterPath cloudShape(QPointF at, qreal width);
