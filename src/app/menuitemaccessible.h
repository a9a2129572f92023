// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A menu item whose caption underlines more than one letter ("&How &to....") would be read
// out by a screen reader with every marker after the first, since Qt removes only the first
// from the name. Such items get a name with all the markers removed; other items keep Qt's.
void installMenuItemAccessibility();
