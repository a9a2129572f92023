// Saves one generation of settings exactly as the game does when its main window closes, for a
// test that kills it while it writes. Usage: quadrello_exitsaver <settings folder> <generation>.
// The three colours saved are generation, generation + 1 and generation + 2, so a reader can
// tell which run wrote a file and whether all of it came from one run. "saving" is printed just
// before the window closes.
#include "app/frmmain.h"
#include "play/randomsource.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    bool ok = false;
    const int generation = args.size() == 3 ? args[2].toInt(&ok) : 0;
    if (!ok)
        return 2;
    QSettingsStore store(args[1]);
    const std::unique_ptr<RandomSource> random = makeSystemRandom();
    frmmain window(frmmain::Services{
        store, *random, [](QWidget*, const QString&, const QStringList&) { return QString(); },
        [](QWidget*, const QString&) -> std::optional<QColor> {
            return std::nullopt;
        }});
    window.show();
    window.colorWindow()->setNumColor(generation);
    window.colorWindow()->setBkColor(generation + 1);
    window.colorWindow()->setBoxColor(generation + 2);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    window.close();
    return 0;
}
