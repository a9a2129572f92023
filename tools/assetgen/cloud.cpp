// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cloud.h"

#include <tuple>

QPainterPath cloudShape(QPointF at, qreal width) {
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    // Each puff as its offset from the middle and its radius, in widths; puffs are flatter
    // than they are wide.
    for (const auto& [dx, dy, r] : {std::tuple{-0.31, 0.01, 0.21},
                                    {-0.09, -0.11, 0.28},
                                    {0.16, -0.04, 0.25},
                                    {0.36, 0.03, 0.16}})
        cloud.addEllipse(at + QPointF(dx, dy) * width, r * width, r * width * 0.66);
    return cloud;
}
