#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"
#include "settings/qsettingsstore.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Lays out entries 0, 1, ... of one section from "moves moves ..."; entry i is named " A", " B"...
void seed(SettingsStore& store, const QString& section, const QString& tops) {
    const QStringList moves = tops.split(' ');
    for (int i = 0; i < moves.size(); ++i) {
        store.SaveSetting("quadrello", section, QString("top%1").arg(i), moves[i]);
        store.SaveSetting("quadrello", section, QString("Nam%1").arg(i),
                          QString(" ") + char('A' + i));
    }
}

// "12 A" per entry, "0 None" for unused ones, "? B" where the store held no usable moves text.
QString rows(const ScoreTable& table) {
    QStringList list;
    for (int i = 0; i < ScoreTable::Size; ++i)
        list << (table.entry(i).movesText.isEmpty() ? "?" : QString::number(table.entry(i).moves)) +
                    table.entry(i).name;
    return list.join(',');
}

// The rows of one table as a later run reads them from the store.
QString storedRows(SettingsStore& store, int slot) {
    ScoreTables tables(store);
    tables.read();
    return rows(tables.table(slot));
}

} // namespace

class tst_ScoreTable : public QObject {
    Q_OBJECT

private slots:
    void ranking_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("after"); // the table's first entries

        const QString full = "2 3 4 5 6 7 8 9 10 11";
        QTest::newRow("tie goes below") << "1 2 2 3" << 2 << 3 << "1 A,2 B,2 C,2 D,3 D,0 None";
        QTest::newRow("worst, first unused") << "10 20" << 30 << 2 << "10 A,20 B,30 None,0 None";
        QTest::newRow("damaged is free") << "10 65537 20" << 15 << 1 << "10 A,15 B,20 C,0 None";
        // A full table:
        QTest::newRow("best") << full << 1 << 0 << "1 A,2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I";
        QTest::newRow("tenth") << full << 11 << -1 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,11 J";
        QTest::newRow("rank 10") << full << 10 << 9 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,10 J";
    }

    void ranking() {
        QFETCH(QString, before);
        QFETCH(int, result);
        QFETCH(int, rank);
        QFETCH(QString, after);
        MemorySettingsStore store;
        seed(store, "Scores1", before);
        ScoreTables tables(store);
        tables.read();
        QCOMPARE(tables.rank(1, qint16(result)).value_or(-1), rank);
        QCOMPARE(rows(tables.table(1)).left(after.size()), after);
    }

    // Only a positive 16-bit number, or the "0" of an unused entry, is a moves text the game
    // can have written; saving writes every entry of every table, unused ones as "0" " None".
    void readAndSave() {
        MemorySettingsStore store;
        seed(store, "Scores1", "12 -5 0 12x");
        store.clearLog();
        ScoreTables tables(store);
        tables.read();
        const QString unread = QStringList(10, "? None").join(',');
        QCOMPARE(rows(tables.table(0)) + '/' + rows(tables.table(2)), unread + '/' + unread);
        QCOMPARE(rows(tables.table(1)), "12 A,? B,0 C,? D" + unread.mid(27));

        tables.save();
        QStringList written;
        for (const MemorySettingsStore::Write& w : store.writes())
            written << w.section + ' ' + w.key + ' ' + w.value;
        QCOMPARE(written.size(), 60);
        QCOMPARE(written.mid(0, 8),
                 (QStringList{"Scores0 top0 0", "Scores1 top0 12", "Scores2 top0 0",
                              "Scores0 Nam0  None", "Scores1 Nam0  A", "Scores2 Nam0  None",
                              "Scores0 top1 0", "Scores1 top1 0"}));
        QCOMPARE(written.last(), "Scores2 Nam9  None");
    }

    void rankedResultIsSavedAtOnce_data() {
        QTest::addColumn<QStringList>("typedAndShown");
        QTest::newRow("typed") << QStringList{"Zoë", "35 Zoë"};
        QTest::newRow("empty") << QStringList{"", "35 None"};
        QTest::newRow("the initial blank") << QStringList{" ", "35  "};
    }

    void rankedResultIsSavedAtOnce() {
        QFETCH(QStringList, typedAndShown);
        MemorySettingsStore store;
        seed(store, "Scores2", "31 32 33 34 35 36 37 38 39 40");
        store.clearLog();
        ScoreTables tables(store);
        tables.read();

        // The new moves stand beside the name pushed down until the player's name arrives.
        QCOMPARE(tables.rank(2, 35), std::optional<int>(5));
        QCOMPARE(storedRows(store, 2), "31 A,32 B,33 C,34 D,35 E,35 F,36 F,37 G,38 H,39 I");
        tables.storeName(2, typedAndShown[0]);
        QCOMPARE(storedRows(store, 2).section(',', 5, 6), typedAndShown[1] + ",36 F");

        // A name typed after a result that took no rank must not land on the one before.
        QVERIFY(!tables.rank(2, 39));
        tables.storeName(2, "Late");
        QCOMPARE(store.writes().size(), 120);
    }

    // A ranked result reaches the disk at once, not only when the game closes.
    void savedResultSurvivesAKill() {
        QTemporaryDir dir, copy;
        QSettingsStore store(dir.path());
        ScoreTables tables(store);
        tables.rank(2, 9);
        tables.storeName(2, "東京 Åsa");

        QFile::copy(dir.filePath("quadrello.conf"), copy.filePath("quadrello.conf"));
        QSettingsStore later(copy.path());
        QVERIFY(storedRows(later, 2).startsWith("9 東京 Åsa,0 None,"));
    }
};

QTEST_MAIN(tst_ScoreTable)
#include "tst_scoretable.moc"
