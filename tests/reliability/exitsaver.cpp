// Saves one generation of settings exactly as the game does when its main window closes, for a
// test that kills it while it writes: quadrello_exitsaver <settings folder> <generation>. The
// colours saved are generation, generation + 1 and generation + 2, so a reader can tell which
// run wrote a file and whether all of it came from one run. "saving" is printed just before the
// window closes.
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
    game.window.colorWindow()->setBkColor(generation + 1);
    game.window.colorWindow()->setBoxColor(generation + 2);
    std::puts("saving");
    std::fflush(stdout);
    game.window.close();
    return 0;
}
