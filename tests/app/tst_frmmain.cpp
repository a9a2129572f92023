// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"
#include "app/windowplacement.h"
#include "mainwindowfixture.h"
#include "settings/frmcolor.h"
#include "support/screenreader.h"
#include "windows/accessiblecontrols.h"
#include "windows/classicform.h"
#include "windows/frmhelp.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtPlugin>
#include <algorithm>

Q_IMPORT_PLUGIN(BuiltInPngPlugin)

using RowOf4 = std::array<const char*, 4>;

class tst_frmmain : public QObject {
    Q_OBJECT
private slots:
    // Every case starts from the program's English texts.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void startsOnThe4x4BoardAtRest() {
        OpenMainWindow g;
        g.expect("shown=4x4 active=4x4 ticking= enabled= counters=0/0 halt=Halt 5x5=0/0/0 "
                 "4x4=0/0/0 3x3=0/0/0 solved=yes");
        QVERIFY(!g.view(kSlot3x3)->isVisible() && !g.view(kSlot3x3)->isEnabled() &&
                !g.view(kSlot5x5)->isEnabled());
        QCOMPARE(namelessControls(g.window.get()), QStringList());
        // No name read out to the player carries an access-key marker, not even a menu item's.
        std::function<void(QAccessibleInterface*)> noMarker = [&](QAccessibleInterface* at) {
            QVERIFY2(!at->text(QAccessible::Name).remove("&&").contains('&'),
                     qPrintable(at->text(QAccessible::Name)));
            for (int i = 0; i < at->childCount(); ++i)
                noMarker(at->child(i));
        };
        noMarker(QAccessible::queryAccessibleInterface(g.window.get()));
        // A screen reader presses a menu item through its accessible interface.
        QAccessibleInterface* howTo =
            QAccessible::queryAccessibleInterface(g.find<QAction>("mnucontents"));
        howTo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(g.window->findChild<frmHelp*>() && howTo->text(QAccessible::Name) == "How to....");
        // Its pictures, and Qt's own in the menu bar, are read without loading the system's image
        // plugins, which would stay loaded for the whole run.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
    }

    // Each language's main window: a few captions, the letters of the shortcut reminders in
    // one column, and every access key used once in the window and once in each menu.
    void speaksThePlayersLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("captions"); // Load Pic, Scramble, View, the dialog's title
        QTest::newRow("English") << "en_US"
                                 << QStringList{"&Load Pic", "Scramble", "&View", "Select A Pic"};
        QTest::newRow("German") << "de_DE"
                                << QStringList{"Bild &laden", "Mischen", "&Ansicht", "Bild wählen"};
        QTest::newRow("French") << "fr_FR"
                                << QStringList{"&Charger", "Mélanger", "&Affichage",
                                               "Choisir une image"};
        QTest::newRow("Spanish") << "es_ES"
                                 << QStringList{"&Cargar", "Mezclar", "&Ver", "Elige una imagen"};
        QTest::newRow("Italian") << "it_IT"
                                 << QStringList{"&Carica", "Mescola", "&Visualizza",
                                                "Scegli un’immagine"};
        QTest::newRow("Brazilian")
            << "pt_BR" << QStringList{"&Carregar", "Embaralhar", "&Exibir", "Escolha uma imagem"};
    }
    void speaksThePlayersLanguage() {
        QFETCH(QString, locale);
        QFETCH(QStringList, captions);
        QCOMPARE(installTranslations(*qApp, QLocale(locale)), locale != "en_US");
        OpenMainWindow g;
        g.click("cmdpic");
        QCOMPARE((QStringList{g.button("cmdpic")->text(), g.button("cmdscram")->text(),
                              g.find<QMenu>("mnuview")->title(), g.chooserTitle}),
                 captions);

        // The game's menus are drawn in the classic font, so the blanks are measured in it.
        const QFontMetrics font(classicFont());
        QList<int> column;
        for (const QAction* item : g.find<QMenu>("mnushort")->actions())
            column << font.horizontalAdvance(item->text().trimmed().chopped(1));
        const auto [left, right] = std::minmax_element(column.begin(), column.end());
        QVERIFY2(*right - *left <= font.horizontalAdvance(u' '), qPrintable(locale));

        const auto keys = [](const QStringList& captions) {
            QString keys;
            for (QString caption : captions) {
                const qsizetype at = caption.replace("&&", "").indexOf(u'&');
                if (at >= 0)
                    keys += caption.at(at + 1).toLower();
            }
            std::sort(keys.begin(), keys.end());
            return keys;
        };
        const auto repeated = [](const QString& keys) {
            return std::adjacent_find(keys.begin(), keys.end()) != keys.end();
        };
        QStringList inWindow;
        for (const QAction* menu : g.window->findChild<QMenuBar*>()->actions())
            inWindow << menu->text();
        for (const QAbstractButton* button : g.window->findChildren<QAbstractButton*>())
            if (button->window() == g.window.get())
                inWindow << button->text();
        QVERIFY2(!repeated(keys(inWindow)), qPrintable(keys(inWindow)));
        for (const QMenu* menu : g.window->findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* item : menu->actions())
                items << item->text();
            QVERIFY2(!repeated(keys(items)), qPrintable(menu->objectName() + ": " + keys(items)));
        }
    }

    // Keys reach the board whichever control has the focus; Scramble takes any mouse button
    // but no key.
    void keysAndMouseReachTheBoard() {
        OpenMainWindow g;
        g.press(g.button("cmdexit"), Qt::Key_Right);
        QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
        // Tab and Shift+Tab walk on from the focused control, and Space and Enter press the
        // button they reach.
        g.press(g.button("cmdexit"), Qt::Key_Tab);
        g.press(Qt::Key_Tab);
        g.expect("focus=cmdclr");
        g.press(Qt::Key_Tab, Qt::ShiftModifier);
        g.expect("focus=cmdscram");
        g.press(g.find("chkauto"), Qt::Key_Tab); // the board is in the tab order too
        g.expect("focus=picmod(1)");
        for (const int key : {Qt::Key_Space, Qt::Key_Return}) {
            const bool numbered = g.find("lbl2(0)")->isVisibleTo(g.window.get());
            g.press(g.find("cmdgrid"), Qt::Key_Tab);
            g.press(key);
            QVERIFY(g.find("lbl2(0)")->isVisibleTo(g.window.get()) != numbered &&
                    !g.find<QAbstractButton>("cmdnum")->isDown());
            g.expect("focus=picmod(1)");
        }
        // A click on the lines or numbers button gives the board the focus back.
        for (const char* name : {"cmdgrid", "cmdnum", "cmdgrid", "cmdnum"}) {
            g.button("cmdexit")->setFocus();
            g.click(name);
            g.expect("focus=picmod(1)");
        }
        // While a menu is open the arrows choose its items, even those it hands to the bar.
        auto* bar = g.window->findChild<QMenuBar*>();
        bar->setActiveAction(g.find<QMenu>("mnuview")->menuAction());
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(g.find<Tile>("pic2(14)")->pos(), QPoint(315, 243));
        QApplication::activePopupWidget()->close();
        g.press(g.button("cmdscram"), Qt::Key_Space);
        g.press(g.button("cmdscram"), Qt::Key_Return);
        g.expect("4x4=0/0/0 draws=0");
        QTest::mouseClick(g.button("cmdscram"), Qt::RightButton);
        g.expect("4x4=0/0/1 draws=80 focus=picmod(1)");
        g.press(Qt::Key_T);
        g.press(g.button("cmdpic"), Qt::Key_S, Qt::ControlModifier);
        g.expect("4x4=0/0/1 solved=no");
        // A counted move on a running clock keeps its rhythm.
        g.play("move");
        // A second's timer may fire up to 5 % early or late: 100 ms gone is beyond doubt.
        QTRY_VERIFY(g.window->clock(kSlot4x4)->remainingTime() < 900);
        g.play("back");
        QVERIFY2(g.window->clock(kSlot4x4)->remainingTime() < 900, "a move restarted the clock");
    }

    void playFromTheBoard_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("wanted");
        const auto row = [](const char* name, const char* steps, const char* wanted) {
            QTest::newRow(name) << steps << wanted;
        };
        row("free play counts nothing", "move back tile",
            "4x4=0/0/0 ticking= gameover=- solved=yes");
        row("the first counted move starts the clock", "S move tick",
            "4x4=1/1/1 counters=1/1 ticking=4x4 enabled=set,halt,unsorted");
        row("the auto box only toggles", "chkauto", "draws=0 focus=picmod(1) 4x4=0/0/0");
        row("Set gives up the game, buttons stay", "S move T",
            "4x4=0/0/0 ticking= solved=yes enabled=set,halt,unsorted halt=Halt");
        row("halt freezes the board, keys and H", "S move H move H T",
            "4x4=1/0/1 active=- halt=Resume ticking=");
        row("Resume starts the clock without a game", "S move T H cmdhalt tick move",
            "4x4=0/1/0 counters=0/1 ticking=4x4 halt=Halt focus=picmod(1)");
        row("Scramble while halted plays on", "S move H cmdscram", "active=4x4 halt=Resume");
        row("Set touches the shown grid only", "S cmdpfr move 3x3 S T",
            "4x4=1/0/1 3x3=0/0/0 ticking=4x4");
        row("a clock running on a hidden grid shows", "S cmdpfr move 5x5 tick",
            "shown=5x5 ticking=4x4 counters=0/1 4x4=1/1/1");
        row("Halt stops every clock", "S cmdpfr move 3x3 H", "ticking= halt=Resume");
        row("OK on the shown size while halted", "S move tick H 4x4",
            "active=4x4 halt=Resume counters=1/1 ticking= focus=picmod(1)");
        row("Cancel selects the shown size again", "cancel3x3",
            "shown=4x4 option=4x4 focus=picmod(1)");
        row("Cancel while halted leaves it halted", "S H cancel3x3",
            "shown=4x4 active=- option=4x4");
        row("UnSorted marks the misplaced tiles", "S cmdunsorted",
            "unsorted=OK marks=misplaced focus=picmod(1)");
        row("nothing to mark while halted", "S H cmdunsorted", "unsorted=UnSorted marks=none");
        row("UnSorted without a game", "S T cmdunsorted", "unsorted=UnSorted marks=none");
        row("UnSorted on another grid's game", "S 3x3 cmdunsorted", "unsorted=UnSorted marks=none");
        row("the marks are a snapshot that Set leaves", "S cmdunsorted T move",
            "unsorted=OK marks=stale focus=picmod(1)");
        row("OK takes the marks away", "S cmdunsorted cmdunsorted", "unsorted=UnSorted marks=none");
        row("a load restarts every game's counters", "3x3 S move tick 4x4 S move tick load move",
            "3x3=0/0/1 4x4=1/0/1 counters=1/1 ticking=4x4 enabled=set,halt,unsorted,viewpic");
        row("a load moves no tile", "S T load", "solved=yes focus=picmod(1)");
        row("a cancelled load stops the clocks", "S move loadcancel",
            "4x4=1/0/1 ticking= focus=picmod(1)");
    }

    // Rows of steps and what the player sees after them (see MainWindowFixture::play).
    void playFromTheBoard() {
        QFETCH(QString, steps);
        QFETCH(QString, wanted);
        OpenMainWindow g;
        g.play(steps);
        g.expect(wanted);
    }

    // What a screen reader hears: the sentences said by the last step, each by a voice that
    // does not have the focus yet, and the board's state read when asked, not at every second.
    void aPlayerHearsThePlay_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<QString>("state"); // moves, seconds, tiles in place, tiles
        for (const auto& [name, steps, heard, state] : std::initializer_list<RowOf4>{
                 {"a move", "move", "Tile 15, row 4, column 4", "0 0 14 15"},
                 {"the same tile again", "move back", "Tile 15, row 4, column 3", "0 0 15 15"},
                 {"the same edge again", "edge edge", "Edge", "0 0 15 15"},
                 {"a scramble", "S", "Scrambled", "0 0 2 15"},
                 {"a counted move", "S move", "Tile 12, row 4, column 4", "1 0 2 15"},
                 {"the clock speaks nothing", "S move tick", "", "1 1 2 15"},
                 {"Set", "S move T", "Set in order", "0 0 15 15"},
                 {"Halt", "S move H", "Halted", "1 0 2 15"},
                 {"Resume", "S move H cmdhalt", "Resumed", "1 0 2 15"},
                 {"a load", "S move load", "Picture loaded", "0 0 2 15"},
                 {"a load that scrambles", "chkauto load", "Scrambled|Picture loaded", "0 0 2 15"},
                 {"a drop from another window", "away drop", "Picture loaded", "0 0 15 15"},
                 {"another grid", "3x3 S", "Scrambled", "0 0 1 8"}})
            QTest::newRow(name) << steps << heard << state;
    }

    void aPlayerHearsThePlay() {
        QFETCH(QString, steps);
        QFETCH(QString, heard);
        QFETCH(QString, state);
        OpenMainWindow g;
        QStringList said;
        QObject* lastVoice = nullptr;
        const ScreenReader orca([&](QAccessibleEvent* event) {
            if (event->type() != QAccessible::Focus || event->object()->isWidgetType())
                return;
            QVERIFY2(event->object() != lastVoice, "the voice with the focus spoke again");
            lastVoice = event->object();
            const QString name = event->accessibleInterface()->text(QAccessible::Name);
            said << (g.window->isActiveWindow() ? name : "unheard: " + name);
        });
        const qsizetype last = steps.lastIndexOf(' ') + 1;
        g.play(steps.left(last));
        said.clear();
        g.play(steps.mid(last));
        QTRY_COMPARE(said.join('|'), heard);
        const QStringList n = state.split(' ');
        const QString status =
            QString("Moves: %1, seconds: %2, tiles in place: %3 of %4").arg(n[0], n[1], n[2], n[3]);
        auto* board = QAccessible::queryAccessibleInterface(g.view(g.window->shownSlot()));
        QCOMPARE(board->text(QAccessible::Description), status);
        // A "where am I" after a sentence reads it and the state, from a child of the board.
        if (auto* voice = QAccessible::queryAccessibleInterface(lastVoice)) {
            QVERIFY(board->indexOfChild(voice) >= 0 && voice->parent() == board);
            QCOMPARE(voice->text(QAccessible::Description), status);
        }
    }

    // A picture dropped on the window loads as Load Pic loads it, whatever the game is doing.
    void aDropIsALoad() {
        QTemporaryDir dir;
        const QString file = dir.filePath("splash.png");
        QVERIFY(QFile::copy(":/splash.png", file));
        bool forward = false;
        const auto after = [&](const QString& steps) {
            OpenMainWindow g;
            g.picture = file;
            g.play("away " + steps); // the picture is dragged from a file manager
            forward = steps.endsWith("load") || QTest::qWaitFor([&] {
                          return QApplication::activeWindow() == g.window.get();
                      });
            return g.facts();
        };
        for (const QString steps : {"S move tick", "S move H", "3x3 chkauto"}) {
            const QMap<QString, QString> dropped = after(steps + " drop");
            QVERIFY2(forward, "the game stays behind the window the picture came from");
            QCOMPARE(dropped, after(steps + " load"));
        }
    }

    // Another window opens beside the main one at its top: right of it where the screen has room,
    // else left of it, else at the screen's left edge; the splash and the game open centred.
    void windowsOpenBesideTheGame() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int wide = screen.width();
        QWidget game, other;
        other.resize(150, 80);
        for (const auto& [left, width, at] : {std::tuple(100, 200, 300),
                                              {0, wide - 150, wide - 150},
                                              {wide - 200, 150, wide - 350},
                                              {0, wide - 100, 0}}) {
            game.setGeometry(screen.left() + left, screen.top() + 50, width, 100);
            placeBeside(&other, &game);
            QCOMPARE(other.pos(), screen.topLeft() + QPoint(at, 50));
        }
        centerOnScreen(&other);
        QCOMPARE(other.geometry().center(), screen.center());
    }

    void optionsTogglesThePanelAndShortcutItemsDoNothing() {
        OpenMainWindow g;
        g.press(g.button("cmdexit"), Qt::Key_O);
        QTRY_COMPARE(g.find("client")->width(), 450);
        QVERIFY(!g.find<QAction>("mnuoptions")->isChecked() && !g.find("fra1")->isVisible());
        g.play("mnuoptions mnuscrm mnugrid mnunumber mnuset mnuhalt");
        QTRY_COMPARE(g.find("client")->width(), 635);
        g.expect("solved=yes halt=Halt draws=0");
        QCOMPARE(g.find<QAbstractButton>("cmdgrid")->text(), QStringLiteral("Grid ON"));
    }

    void gameOver_data() {
        QTest::addColumn<int>("ones");       // one-move results already in the 3x3 table
        QTest::addColumn<QString>("before"); // played while the window is still open
        QTest::addColumn<QString>("answer"); // a button, or none: the title bar's close
        const auto row = [](const char* name, int ones, const char* before, const char* answer) {
            QTest::newRow(name) << ones << before << answer;
        };
        row("Ok: named, the game goes on", 0, "", "cmdok");
        row("Close: named, the game ends", 0, "", "cmdclose");
        row("Play Again: named, a new game", 0, "", "cmdplay");
        row("unranked: nothing is written", 10, "", "cmdclose");
        row("title bar: no name, the game goes on", 0, "", "");
        // The tenth place taken, the same game solved again in two more moves ranks no more.
        row("solved again, now unranked", 9, "move back", "cmdok");
    }

    // A scrambled 3x3 game solved by keys in one second; then the player types a name and
    // answers. Each button stores the name before the window goes; the title bar only closes.
    void gameOver() {
        QFETCH(int, ones);
        QFETCH(QString, before);
        QFETCH(QString, answer);
        const bool ranked = ones == 0;
        MainWindowFixture g;
        for (int i = 0; i < ones; ++i)
            g.store.SaveSetting("quadrello", "Scores2", QStringLiteral("top%1").arg(i), "1");
        g.store.clearLog();
        g.open();
        g.play("3x3 S");
        g.window->clockTick(kSlot3x3);
        g.play("solve");
        // A result is ranked and saved at once, before the player has typed a name.
        QCOMPARE(
            g.store.GetSetting("quadrello", "scores2", QStringLiteral("top%1").arg(ones % 10), ""),
            ones == 10 ? "1" : QString::number(g.window->counters(kSlot3x3).moves));
        g.play(before);
        const int moves = g.window->counters(kSlot3x3).moves;
        frmscore* gameOver = g.window->gameOverWindow();
        QVERIFY(gameOver && QTest::qWaitForWindowActive(gameOver) && !g.ticking(kSlot3x3));
        const auto text = [&](const char* name) {
            return gameOver->findChild<QLabel*>(name)->text();
        };
        QCOMPARE(text("lbltotmoves") + '|' + text("lbltottime"), QString("%1|1 sec").arg(moves));
        // A screen reader passes over a lone figure; the captions carry them.
        QCOMPARE(accessibleText(gameOver->findChild<QLabel*>("lblnotime"), QAccessible::Name),
                 "Time Taken : 1 sec");
        QCOMPARE(namelessControls(gameOver), QStringList());
        // Ranked, the window shows all of the name frame; otherwise it ends between the buttons
        // and the frame, a thousand twips shorter.
        const QWidget* frame = gameOver->findChild<QWidget*>("fra1");
        const int closeEnd = gameOver->findChild<QWidget*>("cmdclose")->geometry().bottom();
        QVERIFY(frame->isVisible() == ranked &&
                (ranked ? gameOver->rect().contains(frame->geometry())
                        : gameOver->height() <= frame->y() && gameOver->height() > closeEnd));
        // The name box has the focus and its caption's name; typing replaces its blank.
        auto* box = gameOver->findChild<QLineEdit*>("txtname");
        if (ranked) {
            QTRY_COMPARE(QApplication::focusWidget(), box);
            QCOMPARE(accessibleText(box, QAccessible::Name), text("lblname"));
        }
        QTest::keyClicks(box, "Maximilian Longname");
        answer.isEmpty()
            ? void(gameOver->close())
            : QTest::mouseClick(gameOver->findChild<QAbstractButton*>(answer), Qt::LeftButton);
        QTRY_VERIFY(!g.window->gameOverWindow());
        QStringList written;
        for (const auto& w : g.store.writes())
            written << w.value;
        QCOMPARE(written.contains(" Maximilian"), ranked && !answer.isEmpty());
        QCOMPARE(written.isEmpty(), ones == 10);

        const bool goesOn = answer != "cmdclose", fresh = answer == "cmdplay";
        QCOMPARE(g.button("cmdhalt")->isEnabled(), goesOn && !fresh);
        QCOMPARE(g.window->board(kSlot3x3).isSolved(), !fresh);
        g.play("move");
        QCOMPARE(int(g.window->counters(kSlot3x3).moves), (fresh ? 0 : moves) + (goesOn ? 1 : 0));
        QCOMPARE(g.ticking(kSlot3x3), goesOn);
        // The same game solved again opens the window again; after Close it is free play.
        g.play("back");
        g.expect("gameover=" + (goesOn && !fresh ? QString::number(moves + 2) : "-"));
    }

    // The other windows leave the main window playable. Exit saves the colours, the options and
    // all 60 score values in order (each place's moves in every table, then its names), then closes
    // the other windows, the one shown last first.
    void otherWindowsAreModelessAndCloseLatestFirst() {
        OpenMainWindow g;
        g.play("S move tick 3x3 mnuscores");
        g.colorAnswers << QColor(0, 0, 255);
        g.play("4x4 mnucontents mnuabout cmdclr frmcolor.cmdcolnum cmdpfr mnucontents cmdclr");
        QCOMPARE(g.window->findChildren<frmHelp*>().size(), 1);
        QCOMPARE(g.window->colorWindow()->numColor(), 16711680); // the swatch picked stays
        for (const QWidget* other : QApplication::topLevelWidgets())
            QVERIFY(other->windowModality() == Qt::NonModal);
        g.play("move G");
        g.expect("4x4=2/1/1 counters=2/1 ticking=4x4");
        QCOMPARE(g.find<QAbstractButton>("cmdgrid")->text(), QStringLiteral("Grid OFF"));

        struct CloseLog : QObject {
            QStringList windows;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Close && watched->isWidgetType())
                    windows << watched->objectName();
                return false;
            }
        } closed;
        qApp->installEventFilter(&closed);
        g.store.clearLog();
        g.window->close();
        QCOMPARE(closed.windows, QStringList({"frmmain", "frmprefer", "frmcolor", "frmAbout",
                                              "frmHelp", "frmtopscores"}));
        QStringList written;
        for (const auto& w : g.store.writes())
            written << w.section + '/' + w.key + '=' + w.value;
        QCOMPARE(written.size(), 6 + 60);
        QCOMPARE(written.mid(0, 10),
                 QStringList({"color/NumColor=16711680", "color/BkColor=11310476",
                              "color/BoxColor=11310476", "options/Gridvalue=1",
                              "options/Numvalue=1", "options/Enable=0", "Scores0/top0=0",
                              "Scores1/top0=0", "Scores2/top0=0", "Scores0/Nam0= None"}));
        QCOMPARE(written.last(), QStringLiteral("Scores2/Nam9= None"));
    }
};

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
