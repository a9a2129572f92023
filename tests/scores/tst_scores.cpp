// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindowfixture.h"
#include "scores/frmtopscores.h"
#include "scores/scoretables.h"
#include "settings/qsettingsstore.h"

#include <QAction>
#include <QPointer>
#include <QTemporaryDir>

namespace {

// Lays out entries 0, 1, ... of one section from "moves moves ..."; entry i is named " A", " B"...
void seed(SettingsStore& store, const QString& section, const QString& tops) {
    const QStringList moves = tops.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < moves.size(); ++i) {
        store.SaveSetting("quadrello", section, QString("top%1").arg(i), moves[i]);
        store.SaveSetting("quadrello", section, QString("Nam%1").arg(i),
                          QString(" ") + char('A' + i));
    }
}

// "12 A" per entry, "0 None" for unused ones, "? B" where the store held no usable moves text.
QString rows(const ScoreTable& table) {
    QStringList list;
    for (int i = 0; i < ScoreTable::Size; ++i) {
        const ScoreEntry& e = table.entry(i);
        list << (e.movesText.isEmpty() ? "?" : QString::number(e.moves)) + e.name;
    }
    return list.join(',');
}

QString text(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

} // namespace

class tst_scores : public QObject {
    Q_OBJECT

private slots:
    void ranking_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rank");
        // The table's first entries as a later run reads them, before and after the name.
        QTest::addColumn<QString>("unnamed");
        QTest::addColumn<QString>("named");

        const QString full = "2 3 4 5 6 7 8 9 10 11";
        QTest::newRow("empty store") << "" << 40 << "東京 Åsa" << 0 << "40 None,0 None"
                                     << "40 東京 Åsa,0 None";
        QTest::newRow("the blank left as it was") << "" << 40 << " " << 0 << "40 None"
                                                  << "40  ,";
        QTest::newRow("tie goes below, nothing typed")
            << "1 2 2 3" << 2 << "" << 3 << "1 A,2 B,2 C,2 D,3 D,0 None"
            << "1 A,2 B,2 C,2 None,3 D,0 None";
        QTest::newRow("damaged is free") << "10 -5 20" << 15 << "Zoë" << 1 << "10 A,15 B,20 C"
                                         << "10 A,15 Zoë,20 C";
        // A full table:
        QTest::newRow("best") << full << 1 << "Al" << 0
                              << "1 A,2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I"
                              << "1 Al,2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I";
        const QString unchanged = "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,11 J";
        QTest::newRow("tenth: no rank, no name")
            << full << 11 << "Zoë" << -1 << unchanged << unchanged;
        QTest::newRow("rank 10") << full << 10 << "Al" << 9
                                 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,10 J"
                                 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,10 Al";
    }

    // A ranked result, and then its name, reach the disk at once, not only when the game closes.
    void ranking() {
        QFETCH(QString, before);
        QFETCH(int, result);
        QFETCH(QString, typed);
        QFETCH(int, rank);
        QFETCH(QString, unnamed);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QSettingsStore store(dir.path());
        seed(store, "Scores1", before);
        store.flush();
        // QSettings shares one reading of a file among its objects; a copy shows the disk.
        const auto onDisk = [&] {
            QTemporaryDir copy;
            QFile::copy(dir.filePath("quadrello.conf"), copy.filePath("quadrello.conf"));
            QSettingsStore later(copy.path());
            ScoreTables stored(later);
            stored.read();
            return rows(stored.table(1));
        };
        ScoreTables tables(store);
        tables.read();
        // A name typed after a result that took no rank must not land on an earlier one.
        tables.rank(0, 99);
        QCOMPARE(tables.rank(1, qint16(result)).value_or(-1), rank);
        QCOMPARE(onDisk().left(unnamed.size()), unnamed);
        tables.storeName(1, typed);
        QCOMPARE(onDisk().left(named.size()), named);
    }

    // Only a positive 16-bit number, or the "0" of an unused entry, is a moves text the game
    // can have written.
    void reading() {
        MemorySettingsStore store;
        seed(store, "Scores1", "12 -5 0 12x");
        ScoreTables tables(store);
        tables.read();
        QCOMPARE(rows(tables.table(1)).section(',', 0, 4), "12 A,? B,0 C,? D,? None");
    }

    // The top scores open on the shown board's panel, show what the store holds (placeholders
    // where it holds nothing), switch panels by their buttons, go when closed and are built
    // afresh the next time; all of it only reads.
    void topScores() {
        MainWindowFixture g;
        g.open();
        g.store.clearLog();
        const auto open = [&] {
            g.find<QAction>("mnuscores")->trigger();
            return QPointer<frmtopscores>(g.window->topScoresWindow());
        };
        // Which panel shows and which button is bold, then the rows of every panel.
        const auto seen = [](frmtopscores* w) {
            QString s;
            for (int k = 0; k < 3; ++k) {
                const QString button = QString("cmd%1x%1").arg(5 - k);
                s += QString::number(k).repeated(
                    w->findChild<QWidget*>(QString("picscore(%1)").arg(k))->isVisible());
                s += (' ' + button).repeated(w->findChild<QPushButton*>(button)->font().bold());
            }
            for (int e = 0; e < 30; ++e)
                s += '|' + text(w, QString("lbl3x3mov(%1)").arg(e)) + '/' +
                     text(w, QString("lbl3x3score(%1)").arg(e));
            return s;
        };
        const auto table = [](int ranked, const QString& first, const QString& others) {
            QString s;
            for (int e = 0; e < 30; ++e)
                s += QString("|%1)  ").arg(e % 10 + 1) + (e == ranked ? first : others);
            return s;
        };

        QPointer<frmtopscores> w = open();
        QCOMPARE(seen(w), "1 cmd4x4" + table(-1, "", "None/[                    ]"));
        const auto gone = [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return w.isNull() && g.store.writes().isEmpty();
        };
        QTest::mouseClick(w->findChild<QPushButton*>("cmdclose"), Qt::LeftButton);
        QVERIFY(gone());

        // The first ranked game: 3x3, 25 moves, "Ann".
        ScoreTables first(g.store);
        first.rank(kSlot3x3, 25);
        first.storeName(kSlot3x3, "Ann");
        g.store.clearLog();
        g.choose(kSlot5x5);
        w = open();
        QCOMPARE(seen(w), "0 cmd5x5" + table(20, "Ann/       25", "None/       0"));
        // Its buttons read the store again.
        g.store.SaveSetting("quadrello", "Scores0", "top0", "99");
        g.store.clearLog();
        QTest::mouseClick(w->findChild<QPushButton*>("cmd3x3"), Qt::LeftButton);
        QVERIFY2(seen(w).startsWith("2 cmd3x3|1)  None/       99|"), qPrintable(seen(w)));
        w->close();
        QVERIFY(gone());
    }
};

QTEST_MAIN(tst_scores)
#include "tst_scores.moc"
