#include "app/mainwindowfixture.h"
#include "play/scramble.h"
#include "reliability/stressgame.h"

#include <QLoggingCategory>
#include <random>

class tst_soak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("*.warning=false"); }
    void randomCommandsOnTheModels();
    void randomEventsThroughTheMainWindow();
};

// The three games as the main window keeps them, played through the models alone: mostly
// slides and clock seconds, mixed with scrambles, Set and grid changes, and now and then a
// marathon far past the counters' limit.
void tst_soak::randomCommandsOnTheModels() {
    const int commands = workload(1'000'000, 200'000);
    std::mt19937 engine(20240611);
    ScriptedRandom random{{0.3f, 0.9f, 0.1f, 0.6f, 0.45f, 0.75f, 0.2f}};
    std::array<Board, kSlotCount> boards{Board(5), Board(4), Board(3)};
    std::array<GameCounters, kSlotCount> counters{};
    unsigned shown = kSlot4x4;
    for (int i = 0; i < commands; ++i) {
        Board& board = boards[shown];
        GameCounters& c = counters[shown];
        const unsigned roll = engine() % 10'000;
        if (roll < 7'000) {
            if (board.slide(Slide(engine() % 4)) >= 0)
                c.countMove();
        } else if (roll < 9'800) {
            c.tick();
        } else if (roll < 9'880) { // a scramble plays on from the current arrangement
            scramble::run(board, random);
            c.restart(true);
        } else if (roll < 9'940) { // Set
            board.reset();
            c.restart(false);
        } else if (roll < 9'998) {
            shown = engine() % kSlotCount;
        } else {
            for (int k = 0; k < 40'000; ++k) {
                if (board.slide(k % 2 ? Slide::Right : Slide::Left) >= 0)
                    c.countMove();
                c.tick();
            }
        }
        QCOMPARE(gameFault(boards[shown], counters[shown]), QString()); // the others stand still
    }
    qInfo("%d random commands on the models", commands);
}

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
