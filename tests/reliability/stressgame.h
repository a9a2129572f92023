// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/frmmain.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"
#include "support/solver.h"

#include <QScopeGuard>
#include <QTest>
#include <sys/fsuid.h>
#include <unistd.h>

// What the stress tests share: how much work they do, the game as the program builds it, and
// what must hold for the game's state after any command, whatever came before.

// The full count in an optimized build; the debug build, which is also the one built with the
// sanitizers, does the reduced one, since every step there costs ten to fifty times as much.
constexpr int workload([[maybe_unused]] int full, [[maybe_unused]] int reduced) {
#ifdef NDEBUG
    return full;
#else
    return reduced;
#endif
}

// Names the seed in the log if the test fails while the returned guard lives.
inline auto noteOnFailure(unsigned seed) {
    return qScopeGuard([seed] {
        if (QTest::currentTestFailed())
            qCritical("seed %u", seed);
    });
}

// While alive, file permissions bind this thread as they bind a player, also when the tests run
// as root (as in CI): a file-system user other than root loses root's file privileges. Other
// threads keep theirs. What it must reach needs permissions for others, not only the owner.
struct PlainUser {
    PlainUser() { setfsuid(65534); }
    ~PlainUser() { setfsuid(getuid()); }
};

// The main window on a store of the test's choosing, shown; its file and colour dialogs are
// always cancelled.
struct StoredGame {
    explicit StoredGame(SettingsStore& store)
        : window({store, random, [](QWidget*, const QString&, const QStringList&) { return ""; },
                  [](QWidget*, const QString&) {
                      return std::optional<QColor>();
                  }}) {
        window.show();
    }
    ScriptedRandom random{{0.3f, 0.9f, 0.1f, 0.6f, 0.45f}};
    frmmain window;
};

inline QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The path, once `content` is written there; empty when it cannot be.
inline QString written(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size() ? path : QString();
}

// What is wrong with the window's games, or nothing: an arrangement that cannot be slid back into
// order, seconds or moves outside 0..32767, an in-progress flag other than 0 or 1.
inline QString windowFault(const frmmain& window) {
    QString fault;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const GameCounters& c = window.counters(slot);
        if (!solvable(window.board(slot)))
            fault += boardToText(window.board(slot)) + " cannot be solved";
        if (c.seconds < 0 || c.moves < 0 || c.scrambled < 0 || c.scrambled > 1)
            fault +=
                QString("%1 s, %2 moves, flag %3").arg(c.seconds).arg(c.moves).arg(c.scrambled);
    }
    return fault;
}

// A scramble and a few arrow keys, as a player starts a game, with the window checked after
// each; what went wrong, if anything.
inline QString play(frmmain& window) {
    QString fault = windowFault(window);
    QTest::keyClick(&window, Qt::Key_S);
    if (window.counters(kSlot4x4).scrambled != 1)
        fault += "S did not start a game";
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
        QTest::keyClick(&window, key);
        fault += windowFault(window);
    }
    return fault;
}
