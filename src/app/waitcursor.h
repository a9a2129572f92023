// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>

// The wait cursor over every window of the game for as long as it lives, around work that
// keeps the window from answering for a while, such as decoding a large photo. On X11 Qt sends
// the cursor to the display at once, before the work begins.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
