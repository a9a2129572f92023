// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindowfixture.h"
#include "reliability/stressgame.h"

#include <QLoggingCategory>
#include <random>

class tst_soak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("*.warning=false"); }
    void randomEventsThroughTheMainWindow();
};

// Keys (arrows, scramble, Set, grid lines, numbers, options panel), buttons (Halt and Resume
// among them: no key works while play is halted), clock seconds and grid changes, in random
// order.
void tst_soak::randomEventsThroughTheMainWindow() {
    const int events = workload(20'000, 3'000);
    std::mt19937 engine(20240611);
    MainWindowFixture game;
    game.open();
    static constexpr Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down,
                                       Qt::Key_Up,    Qt::Key_S,    Qt::Key_T,
                                       Qt::Key_G,     Qt::Key_N,    Qt::Key_O};
    static constexpr const char* buttons[] = {"cmdhalt", "cmdset", "cmdunsorted", "cmdscram"};
    for (int i = 0; i < events; ++i) {
        const unsigned roll = engine() % 100;
        const int slot = game.window->activeSlot();
        if (roll < 80) {
            QTest::keyClick(game.window.get(), keys[engine() % std::size(keys)]);
        } else if (roll < 86) {
            game.click(buttons[engine() % std::size(buttons)]);
        } else if (roll < 97) {
            if (slot >= 0 && game.window->clock(slot)->isActive())
                game.window->clockTick(slot);
        } else if (game.find("cmdpfr")->isVisible()) { // O hides it
            game.choose(int(engine() % kSlotCount));
        }
        QCOMPARE(windowFault(*game.window), QString());
    }
    qInfo("%d random events through the main window", events);
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
