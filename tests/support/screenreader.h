// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <functional>

// While it lives, Qt believes a screen reader is listening, as it does on a desktop where one
// runs, and hands every accessibility event to `heard` instead of the screen reader.
struct ScreenReader {
    explicit ScreenReader(std::function<void(QAccessibleEvent*)> heard);
    ~ScreenReader();
};
