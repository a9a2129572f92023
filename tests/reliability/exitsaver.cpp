// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves one generation of settings exactly as the game does when its main window closes, for a
// test that kills it while it writes: quadrello_exitsaver <settings folder> <generation>. The
// numbers' colour saved is the generation, so a reader can tell which run wrote a file.
// "saving" is printed just before the window closes.
#include "reliability/stressgame.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int generation = std::atoi(argv[2]);
    QSettingsStore store(QString::fromLocal8Bit(argv[1]));
    StoredGame game(store);
    game.window.colorWindow()->setNumColor(generation);
    std::puts("saving");
    std::fflush(stdout);
    game.window.close();
    return 0;
}
