#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"
#include "settings/qsettingsstore.h"

#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class tst_ScoreTable : public QObject {
    Q_OBJECT

private slots:
    void ranking_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("after"); // the table's first entries, as a later run reads them

        const QString full = "2 3 4 5 6 7 8 9 10 11";
        QTest::newRow("empty store") << "" << 40 << "東京 Åsa" << 0 << "40 東京 Åsa,0 None";
        QTest::newRow("tie goes below, nothing typed")
            << "1 2 2 3" << 2 << "" << 3 << "1 A,2 B,2 C,2 None,3 D,0 None";
        QTest::newRow("damaged is free") << "10 -5 20" << 15 << "Zoë" << 1 << "10 A,15 Zoë,20 C";
        // A full table:
        QTest::newRow("best") << full << 1 << "Al" << 0
                              << "1 Al,2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I";
        QTest::newRow("tenth: no rank, no name")
            << full << 11 << "Zoë" << -1 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,11 J";
        QTest::newRow("rank 10") << full << 10 << "Al" << 9
                                 << "2 A,3 B,4 C,5 D,6 E,7 F,8 G,9 H,10 I,10 Al";
    }

    // A ranked result, and then its name, reach the disk at once, not only when the game closes.
    void ranking() {
        QFETCH(QString, before);
        QFETCH(int, result);
        QFETCH(QString, typed);
        QFETCH(int, rank);
        QFETCH(QString, after);
        QTemporaryDir dir, copy;
        QSettingsStore store(dir.path());
        seed(store, "Scores1", before);
        ScoreTables tables(store);
        tables.read();
        // A name typed after a result that took no rank must not land on an earlier one.
        tables.rank(0, 99);
        QCOMPARE(tables.rank(1, qint16(result)).value_or(-1), rank);
        tables.storeName(1, typed);

        // QSettings shares one reading of a file among its objects; a copy shows the disk.
        QFile::copy(dir.filePath("quadrello.conf"), copy.filePath("quadrello.conf"));
        QSettingsStore later(copy.path());
        ScoreTables stored(later);
        stored.read();
        QCOMPARE(rows(stored.table(1)).left(after.size()), after);
    }

    // Only a positive 16-bit number, or the "0" of an unused entry, is a moves text the game
    // can have written; saving writes every entry of every table, unused ones as "0" " None".
    void readAndSave() {
        MemorySettingsStore store;
        seed(store, "Scores1", "12 -5 0 12x");
        store.clearLog();
        ScoreTables tables(store);
        tables.read();
        QCOMPARE(rows(tables.table(1)).section(',', 0, 4), "12 A,? B,0 C,? D,? None");
        tables.save();
        QStringList written;
        for (const MemorySettingsStore::Write& w : store.writes())
            written << w.section + ' ' + w.key + ' ' + w.value;
        QCOMPARE(written.mid(0, 7).join(','),
                 "Scores0 top0 0,Scores1 top0 12,Scores2 top0 0,"
                 "Scores0 Nam0  None,Scores1 Nam0  A,Scores2 Nam0  None,Scores0 top1 0");
    }
};

QTEST_MAIN(tst_ScoreTable)
#include "tst_scoretable.moc"
