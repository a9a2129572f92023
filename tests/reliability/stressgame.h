// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/frmmain.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"
#include "support/solver.h"

#include <QTest>
#include <sys/fsuid.h>
#include <unistd.h>

// What the tests of damaged files and failing saves share: the game as the program builds it,
// files written and read back, and a little play.

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

// A scramble and four arrow keys, as a player starts a game; what went wrong, if anything: no
// game counting the moves, or tiles that cannot be slid back into order.
inline QString play(frmmain& window) {
    QTest::keyClick(&window, Qt::Key_S);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
        QTest::keyClick(&window, key);
    const GameCounters& c = window.counters(kSlot4x4);
    return c.scrambled == 1 && c.moves > 0 && solvable(window.board(kSlot4x4))
               ? QString()
               : boardToText(window.board(kSlot4x4)) + QString(" after %1 moves").arg(c.moves);
}
