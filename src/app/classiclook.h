// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The windows are laid out in fixed pixels for classic controls and the small classic dialog
// fonts. Gives the program the classic bevelled control style those layouts were measured for
// (it also paints without the default style's gradients and cached pictures, which saves
// memory), makes the classic sans-serif face the default and maps the serif face of the help
// text onto a metric-compatible font that Linux desktops carry, so every caption fits its
// control.
void useClassicLook();
