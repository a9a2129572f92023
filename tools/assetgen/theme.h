// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The colours the game's windows use by default, shared by every picture so that the
// assets sit on the main window as if they were part of it.

#include <QColor>

namespace theme {

inline constexpr QColor windowBackground{140, 149, 172};
inline constexpr QColor numberRed{128, 0, 0};
inline constexpr QColor faceRedLight{168, 22, 26};
inline constexpr QColor faceRedDark{96, 0, 4};
inline constexpr QColor faceRedEdge{52, 0, 0};
inline constexpr QColor detailBlue{78, 116, 226};
inline constexpr QColor detailBlueLight{150, 186, 255};
inline constexpr QColor detailBlueDark{24, 44, 120};
inline constexpr QColor gold{255, 214, 96};
inline constexpr QColor goldLight{255, 244, 196};
inline constexpr QColor goldDeep{232, 132, 28};

} // namespace theme
