#include "app/frmmain.h"
#include "board/board.h"
#include "play/gamecounters.h"
#include "play/scramble.h"
#include "reliability/invariants.h"
#include "reliability/quietwarnings.h"
#include "reliability/seededrandom.h"
#include "reliability/workload.h"
#include "scores/scoretable.h"
#include "settings/memorysettingsstore.h"
#include "support/solver.h"
#include "windows/frmprefer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>

namespace {

constexpr unsigned kSeed = 20240611;

// Used entries first, in ascending moves, every count a possible one.
QString tableFault(const ScoreTable& table) {
    bool unusedSeen = false;
    qint16 previous = 0;
    for (int i = 0; i < ScoreTable::Size; ++i) {
        const qint16 moves = table.entry(i).moves;
        if (moves < 0)
            return QStringLiteral("entry %1 holds %2 moves").arg(i).arg(moves);
        if (moves == 0) {
            unusedSeen = true;
        } else if (unusedSeen || moves < previous) {
            return QStringLiteral("entry %1 is out of order").arg(i);
        } else {
            previous = moves;
        }
    }
    return {};
}

// The three games as the main window keeps them, played through the models alone.
struct ModelGame {
    std::array<Board, kSlotCount> boards{Board(5), Board(4), Board(3)};
    std::array<GameCounters, kSlotCount> counters{};
    std::array<ScoreTable, kSlotCount> tables{};
    int shown = kSlot4x4;
    bool halted = false;
    qint64 slides = 0;
    qint64 finished = 0;

    void slide(Slide way) {
        if (halted)
            return;
        const auto s = static_cast<unsigned>(shown);
        if (boards[s].slide(way) < 0)
            return;
        ++slides;
        if (counters[s].countMove() && boards[s].isSolved()) {
            ++finished;
            tables[s].enter(counters[s].moves);
        }
    }

    QString fault() const {
        for (unsigned s = 0; s < kSlotCount; ++s) {
            QString f = boardFault(boards[s]);
            if (f.isEmpty())
                f = countersFault(counters[s]);
            if (f.isEmpty())
                f = tableFault(tables[s]);
            if (!f.isEmpty())
                return QStringLiteral("grid %1: %2").arg(s).arg(f);
        }
        return {};
    }
};

void clickIfUsable(QAbstractButton* button) {
    if (button && button->isVisible() && button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class tst_soak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { dropWarnings(); }
    void randomCommandsOnTheModels();
    void randomEventsThroughTheMainWindow();
};

// Mostly slides, as a player makes them, mixed with every other command; now and then a long
// stretch of play in one game, so the counters meet their limit.
void tst_soak::randomCommandsOnTheModels() {
    const int commands = workload(1'000'000, 200'000);
    SeededRandom random(kSeed);
    ModelGame game;
    for (int i = 0; i < commands; ++i) {
        const auto s = static_cast<unsigned>(game.shown);
        const int roll = random.below(10'000);
        if (roll < 7'000) {
            game.slide(static_cast<Slide>(random.below(4)));
        } else if (roll < 9'700) {
            if (!game.halted)
                game.counters[s].tick();
        } else if (roll < 9'800) {
            game.halted = !game.halted;
        } else if (roll < 9'880) {
            // Scrambling plays on from the current arrangement and re-enables every board.
            scramble::run(game.boards[s], random);
            game.counters[s].restart(true);
            game.halted = false;
        } else if (roll < 9'940) {
            if (!game.halted) {
                game.boards[s].reset();
                game.counters[s].restart(false);
            }
        } else if (roll < 9'996) {
            game.shown = random.below(kSlotCount);
            game.halted = false;
        } else if (roll < 9'998) {
            // A player who finds the shortest way home, so that games end and get ranked.
            if (game.shown == kSlot3x3) {
                for (const Slide way : solve3x3(game.boards[s]))
                    game.slide(way);
            }
        } else {
            // A marathon: one game played back and forth far past the counters' limit.
            for (int k = 0; k < 20'000; ++k) {
                game.slide(k % 2 ? Slide::Right : Slide::Left);
                game.slide(k % 2 ? Slide::Down : Slide::Up);
                if (!game.halted)
                    game.counters[s].tick();
            }
        }
        const QString fault = game.fault();
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after command %1: %2").arg(i).arg(fault)));
    }
    qInfo("%d commands, %lld slides, %lld finished games", commands, game.slides, game.finished);
    QVERIFY(game.finished > 0);
}

// Keys, buttons, grid changes, clock ticks and the game-over window's answers, in random order.
void tst_soak::randomEventsThroughTheMainWindow() {
    const int events = workload(20'000, 3'000);
    SeededRandom random(kSeed);
    MemorySettingsStore store;
    frmmain window(frmmain::Services{
        store, random, [](QWidget*, const QString&, const QStringList&) { return QString(); },
        [](QWidget*, const QString&) -> std::optional<QColor> {
            return std::nullopt;
        }});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto button = [&window](const char* name) {
        return window.findChild<QAbstractButton*>(QLatin1String(name));
    };
    static constexpr std::array<Qt::Key, 14> keys{
        Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right,
        Qt::Key_Left,  Qt::Key_Down, Qt::Key_Up,   Qt::Key_S,  Qt::Key_H,
        Qt::Key_T,     Qt::Key_G,    Qt::Key_N,    Qt::Key_O};
    static constexpr std::array<const char*, 3> options{"opt3", "opt2", "opt1"};
    int gameOvers = 0;
    for (int i = 0; i < events; ++i) {
        const int roll = random.below(100);
        if (roll < 80) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
            QTest::keyClick(target, keys[static_cast<unsigned>(random.below(keys.size()))]);
        } else if (roll < 86) {
            static constexpr std::array<const char*, 4> names{"cmdhalt", "cmdset", "cmdunsorted",
                                                              "cmdscram"};
            clickIfUsable(button(names[static_cast<unsigned>(random.below(names.size()))]));
        } else if (roll < 88) {
            clickIfUsable(button("cmdpfr"));
            if (frmprefer* prefer = window.preferencesWindow(); prefer && prefer->isVisible()) {
                clickIfUsable(prefer->findChild<QAbstractButton*>(
                    QLatin1String(options[static_cast<unsigned>(random.below(3))])));
                clickIfUsable(prefer->findChild<QAbstractButton*>(
                    QLatin1String(random.below(4) ? "cmdok" : "cmdcancel")));
            }
        } else if (roll < 97) {
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (window.clock(slot)->isActive())
                    window.clockTick(slot);
            }
        } else if (window.activeSlot() == kSlot3x3 && window.counters(kSlot3x3).scrambled) {
            // A player who finds the shortest way home, so that games end and get ranked.
            static constexpr std::array<Qt::Key, 4> arrows{Qt::Key_Right, Qt::Key_Left,
                                                           Qt::Key_Down, Qt::Key_Up};
            for (const Slide way : solve3x3(window.board(kSlot3x3)))
                QTest::keyClick(&window, arrows[static_cast<unsigned>(way)]);
        } else if (QAbstractButton* pfr = button("cmdpfr"); pfr->isVisible()) {
            clickIfUsable(pfr);
            frmprefer* prefer = window.preferencesWindow();
            clickIfUsable(prefer->findChild<QAbstractButton*>(QStringLiteral("opt1")));
            clickIfUsable(prefer->findChild<QAbstractButton*>(QStringLiteral("cmdok")));
            QTest::keyClick(&window, Qt::Key_S);
        }
        if (frmscore* over = window.gameOverWindow(); over && over->isVisible()) {
            ++gameOvers;
            if (auto* name = over->findChild<QLineEdit*>(QStringLiteral("txtname")))
                name->setText(QStringLiteral("p%1").arg(i));
            static constexpr std::array<const char*, 3> answers{"cmdok", "cmdclose", "cmdplay"};
            clickIfUsable(over->findChild<QAbstractButton*>(
                QLatin1String(answers[static_cast<unsigned>(random.below(3))])));
        }
        const QString fault = windowFault(window);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after event %1: %2").arg(i).arg(fault)));
    }
    qInfo("%d events, %d game-over windows", events, gameOvers);
    QVERIFY(gameOvers > 0);
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
