// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "settings/memorysettingsstore.h"
#include "support/scriptedrandom.h"
#include "support/solver.h"
#include "windows/frmprefer.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <memory>

// A main window on an in-memory store, with a scripted random source and scripted answers
// for the file and colour dialogs, pressed at as a player would.
struct MainWindowFixture {
    MemorySettingsStore store;
    ScriptedRandom random{QList<float>() << 0.3f << 0.9f << 0.1f << 0.6f << 0.45f};
    QQueue<QString> fileAnswers;                // an empty string answers "cancel"
    QString chooserTitle;                       // the title the file dialog was last shown with
    QQueue<std::optional<QColor>> colorAnswers; // nullopt answers "cancel"
    std::unique_ptr<frmmain> window;
    std::unique_ptr<QWidget> elsewhere; // another program's window, for the "away" step
    QString picture = QStringLiteral(":/splash.png"); // the "load" step's answer
    Slide lastMove = Slide::Right;

    void open() {
        window = std::make_unique<frmmain>(frmmain::Services{
            store, random,
            [this](QWidget*, const QString& title, const QStringList&) {
                chooserTitle = title;
                return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
            },
            [this](QWidget*, const QString&) {
                return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
            }});
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    BoardView* view(int slot = kSlot4x4) const { return window->boardView(slot); }
    bool ticking(int slot = kSlot4x4) const { return window->clock(slot)->isActive(); }

    // A key pressed while `target` has the focus, as a player would press it.
    void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        target->setFocus();
        press(key, mods);
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(focus, static_cast<Qt::Key>(key), mods);
    }
    void slide(Slide way) {
        static constexpr int keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up};
        press(keys[static_cast<int>(way)]);
        lastMove = way;
    }
    // Shows another grid size through the preferences window, or only picks it and cancels.
    void choose(int slot, const char* answer = "cmdok") {
        if (!window->preferencesWindow() || !window->preferencesWindow()->isVisible())
            click("cmdpfr");
        static constexpr const char* options[] = {"opt3", "opt2", "opt1"};
        for (const char* name : {options[slot], answer})
            QTest::mouseClick(window->preferencesWindow()->findChild<QAbstractButton*>(name),
                              Qt::LeftButton);
    }

    // Plays steps separated by blanks: a capital letter is that key; "move" slides a
    // tile next to the empty box and "back" slides it home again; "tick" is a second on every
    // running clock; "5x5", "4x4", "3x3" show that size through the preferences and "cancel3x3"
    // picks it there and cancels; "load", "loadcancel" answer the file dialog with the picture
    // or with nothing, "drop" drops the picture on the window; "edge" presses Left; "away" makes
    // another program's window the active one; "solve" solves the 3x3 board; "tile" clicks a tile;
    // "window.control" presses a control of another window; any other name is a control or menu
    // item here.
    void play(const QString& steps) {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QByteArray name = step.toLatin1();
            const int shown = window->shownSlot();
            if (step.size() == 1 && step[0].isUpper())
                press(Qt::Key_A + (step[0].unicode() - 'A'));
            else if (step == "move")
                slide(window->board(shown).position(view(shown)->grid().emptyIndex()).col > 0
                          ? Slide::Right
                          : Slide::Left);
            else if (step == "back")
                slide(lastMove == Slide::Right ? Slide::Left : Slide::Right);
            else if (step == "edge") // wherever the empty box is in the right column
                press(Qt::Key_Left);
            else if (step == "away") {
                elsewhere = std::make_unique<QWidget>();
                elsewhere->show();
                elsewhere->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(elsewhere.get()));
            } else if (step == "tick")
                for (int slot = 0; slot < kSlotCount; ++slot) {
                    if (ticking(slot))
                        window->clockTick(slot);
                }
            else if (step.endsWith("x5") || step.endsWith("x4") || step.endsWith("x3"))
                choose(5 - step.back().digitValue(),
                       step.startsWith("cancel") ? "cmdcancel" : "cmdok");
            else if (step == "drop") {
                QMimeData data;
                data.setUrls(QList<QUrl>() << QUrl::fromLocalFile(picture));
                QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, {});
                QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(window.get(), &enter);
                QApplication::sendEvent(window.get(), &drop);
                // The file manager learns that the file was taken, as a copy.
                QVERIFY(drop.isAccepted() && drop.dropAction() == Qt::CopyAction);
            } else if (step.startsWith("load")) {
                fileAnswers.enqueue(step == "load" ? picture : QString());
                click("cmdpic");
            } else if (step == "solve")
                for (const Slide way : solve3x3(window->board(kSlot3x3)))
                    slide(way);
            else if (step == "tile")
                QTest::mouseClick(view(shown)->cell(0), Qt::LeftButton);
            else if (step.contains('.'))
                QTest::mouseClick(
                    find(name.split('.')[0])->findChild<QAbstractButton*>(name.split('.')[1]),
                    Qt::LeftButton);
            else if (auto* item = find<QAction>(name.constData()))
                item->trigger();
            else
                click(name.constData());
        }
    }

    // What the player sees, fact by fact: "5x5", "4x4", "3x3" are the moves, seconds and
    // in-game flag of that grid; "ticking" lists the running clocks.
    QMap<QString, QString> facts() const {
        static const QStringList sizes{"5x5", "4x4", "3x3"};
        const auto size = [](int slot) {
            return slot < 0 ? QStringLiteral("-") : sizes[slot];
        };
        QMap<QString, QString> f;
        QStringList running, enabled;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const GameCounters& c = window->counters(slot);
            f[sizes[slot]] =
                QStringLiteral("%1/%2/%3").arg(c.moves).arg(c.seconds).arg(c.scrambled);
            if (ticking(slot))
                running << sizes[slot];
        }
        for (const char* name : {"cmdset", "cmdhalt", "cmdunsorted", "cmdviewpic"}) {
            if (button(name)->isEnabled())
                enabled << QString::fromLatin1(name + 3);
        }
        const int shown = window->shownSlot();
        int marked = 0, stale = 0;
        for (int tile = 0; tile < view(shown)->grid().emptyIndex(); ++tile) {
            marked += view(shown)->isMarked(tile);
            stale += view(shown)->isMarked(tile) == window->board(shown).isAtHome(tile);
        }
        f["ticking"] = running.join(',');
        f["enabled"] = enabled.join(',');
        f["shown"] = size(shown);
        f["active"] = size(window->activeSlot());
        f["counters"] = label("lblnummov") + '/' + label("lbltimer");
        f["halt"] = button("cmdhalt")->text();
        f["unsorted"] = button("cmdunsorted")->text();
        f["marks"] = marked == 0 ? "none" : stale == 0 ? "misplaced" : "stale";
        f["focus"] = window->focusWidget() ? window->focusWidget()->objectName() : QString();
        f["solved"] = window->board(shown).isSolved() ? "yes" : "no";
        f["gameover"] = window->gameOverWindow() && window->gameOverWindow()->isVisible()
                            ? window->gameOverWindow()->findChild<QLabel*>("lbltotmoves")->text()
                            : "-";
        f["option"] =
            window->preferencesWindow() ? size(window->preferencesWindow()->selectedSlot()) : "-";
        f["draws"] = QString::number(random.draws());
        return f;
    }

    // Checks the facts given as "name=value" pairs separated by blanks.
    void expect(const QString& wanted) const {
        const QMap<QString, QString> f = facts();
        for (const QString& pair : wanted.split(' ', Qt::SkipEmptyParts)) {
            const QString name = pair.section('=', 0, 0), value = pair.section('=', 1);
            QVERIFY2(f.contains(name), qPrintable(name));
            QVERIFY2(f[name] == value, qPrintable(name + " is " + f[name] + ", not " + value));
        }
    }
};

// The window opened on an empty store.
struct OpenMainWindow : MainWindowFixture {
    OpenMainWindow() { open(); }
};
