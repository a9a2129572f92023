#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"
#include "settings/qsettingsstore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString app = QStringLiteral("quadrello");

// Lays out entries 0, 1, ... of one section; entry i is named " A", " B", ...
void seed(SettingsStore& store, const QString& section, const QStringList& tops) {
    for (int i = 0; i < tops.size(); ++i) {
        store.SaveSetting(app, section, QStringLiteral("top%1").arg(i), tops[i]);
        store.SaveSetting(app, section, QStringLiteral("Nam%1").arg(i),
                          QStringLiteral(" ") + QChar(u'A' + i));
    }
}

QString stored(SettingsStore& store, const char* section, const char* key) {
    return store.GetSetting(app, QLatin1String(section), QLatin1String(key), QStringLiteral("-"));
}

// "12 A" per entry, "0 -" for unused ones.
QStringList rows(const ScoreTable& table) {
    QStringList list;
    for (int i = 0; i < ScoreTable::Size; ++i) {
        const ScoreEntry& e = table.entry(i);
        list.append(QString::number(e.moves) + (e.name == QStringLiteral(" None") ? " -" : e.name));
    }
    return list;
}

} // namespace

class tst_ScoreTable : public QObject {
    Q_OBJECT

private slots:
    void ranking_data();
    void ranking();
    void emptyStore();
    void saveOrder_data();
    void saveOrder();
    void rankedResultIsSavedAtOnce_data();
    void rankedResultIsSavedAtOnce();
    void unrankedResultStoresNothing();
    void roundTripThroughIniFile();
    void damagedTop_data();
    void damagedTop();
};

void tst_ScoreTable::ranking_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("after");

    const QStringList full{"4", "8", "12", "16", "20", "24", "28", "32", "36", "40"};
    const QString fullRows = "4 A,8 B,12 C,16 D,20 E,24 F,28 G,32 H,36 I,40 J";
    QTest::newRow("empty") << QStringList{} << 25 << 0
                           << "25 -,0 -,0 -,0 -,0 -,0 -,0 -,0 -,0 -,0 -";
    QTest::newRow("best goes first")
        << QStringList{"10", "20"} << 5 << 0 << "5 A,10 A,20 B,0 -,0 -,0 -,0 -,0 -,0 -,0 -";
    QTest::newRow("tie goes below equals") << QStringList{"10", "20", "20", "30"} << 20 << 3
                                           << "10 A,20 B,20 C,20 D,30 D,0 -,0 -,0 -,0 -,0 -";
    QTest::newRow("worst takes first unused")
        << QStringList{"10", "20"} << 30 << 2 << "10 A,20 B,30 -,0 -,0 -,0 -,0 -,0 -,0 -,0 -";
    QTest::newRow("full, middle") << full << 13 << 3
                                  << "4 A,8 B,12 C,13 D,16 D,20 E,24 F,28 G,32 H,36 I";
    QTest::newRow("full, equal to tenth") << full << 40 << -1 << fullRows;
    QTest::newRow("full, rank 10 replaces")
        << full << 39 << 9 << "4 A,8 B,12 C,16 D,20 E,24 F,28 G,32 H,36 I,39 J";
}

void tst_ScoreTable::ranking() {
    QFETCH(QStringList, before);
    QFETCH(int, result);
    QFETCH(int, rank);
    QFETCH(QString, after);

    MemorySettingsStore store;
    seed(store, QStringLiteral("Scores1"), before);
    ScoreTables tables(store);
    tables.read();
    QCOMPARE(tables.rank(1, qint16(result)).value_or(-1), rank);
    QCOMPARE(rows(tables.table(1)).join(u','), after);
}

void tst_ScoreTable::emptyStore() {
    MemorySettingsStore store;
    ScoreTables tables(store);
    tables.read();
    for (int slot = 0; slot < ScoreTables::SlotCount; ++slot) {
        for (int i = 0; i < ScoreTable::Size; ++i) {
            const ScoreEntry& e = tables.table(slot).entry(i);
            QCOMPARE(e.moves, qint16(0));
            QCOMPARE(e.movesText, QString());
            QCOMPARE(e.name, QStringLiteral(" None"));
        }
    }
}

void tst_ScoreTable::saveOrder_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("write");

    QTest::newRow("first") << 0 << "Scores0 top0 0";
    QTest::newRow("4x4 moves") << 1 << "Scores1 top0 12";
    QTest::newRow("3x3 moves") << 2 << "Scores2 top0 0";
    QTest::newRow("5x5 name") << 3 << "Scores0 Nam0  None";
    QTest::newRow("4x4 name") << 4 << "Scores1 Nam0  A";
    QTest::newRow("next index") << 6 << "Scores0 top1 0";
    QTest::newRow("last") << 59 << "Scores2 Nam9  None";
}

void tst_ScoreTable::saveOrder() {
    QFETCH(int, position);
    QFETCH(QString, write);

    MemorySettingsStore store;
    seed(store, QStringLiteral("Scores1"), {"12"});
    store.clearLog();
    ScoreTables tables(store);
    tables.read();
    tables.save();

    QCOMPARE(store.writes().size(), 60);
    const MemorySettingsStore::Write& w = store.writes().at(position);
    QCOMPARE(w.section + u' ' + w.key + u' ' + w.value, write);
    QCOMPARE(tables.table(0).entry(0).movesText, QStringLiteral("0"));
}

void tst_ScoreTable::rankedResultIsSavedAtOnce_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");

    QTest::newRow("typed") << "Zoë"
                           << " Zoë";
    QTest::newRow("empty") << ""
                           << " None";
    QTest::newRow("the initial blank") << " "
                                       << "  ";
}

void tst_ScoreTable::rankedResultIsSavedAtOnce() {
    QFETCH(QString, typed);
    QFETCH(QString, name);

    MemorySettingsStore store;
    seed(store, QStringLiteral("Scores2"), {"30"});
    store.clearLog();
    ScoreTables tables(store);
    tables.read();

    QCOMPARE(tables.rank(2, 25), std::optional<int>(0));
    QCOMPARE(store.writes().size(), 60);
    QCOMPARE(stored(store, "Scores2", "top0"), QStringLiteral("25"));
    QCOMPARE(stored(store, "Scores2", "Nam0"), QStringLiteral(" A"));
    QCOMPARE(stored(store, "Scores2", "top1"), QStringLiteral("30"));

    tables.storeName(2, typed);
    QCOMPARE(store.writes().size(), 120);
    QCOMPARE(stored(store, "Scores2", "Nam0"), name);
    QCOMPARE(stored(store, "Scores2", "Nam1"), QStringLiteral(" A"));
}

void tst_ScoreTable::unrankedResultStoresNothing() {
    MemorySettingsStore store;
    seed(store, QStringLiteral("Scores0"),
         {"31", "32", "33", "34", "35", "36", "37", "38", "39", "40"});
    ScoreTables tables(store);
    tables.read();
    QCOMPARE(tables.rank(0, 35), std::optional<int>(5));
    store.clearLog();

    QVERIFY(!tables.rank(0, 39));
    tables.storeName(0, QStringLiteral("Late"));
    QVERIFY(store.writes().isEmpty());
    QCOMPARE(tables.table(0).entry(5).name, QStringLiteral(" F"));
}

void tst_ScoreTable::roundTripThroughIniFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        QSettingsStore store(dir.path());
        ScoreTables tables(store);
        tables.read();
        tables.rank(0, 120);
        tables.storeName(0, QStringLiteral("Zoë"));
        tables.rank(2, 9);
        tables.storeName(2, QStringLiteral("東京 Åsa"));
    }
    QSettings raw(dir.filePath(QStringLiteral("quadrello.conf")), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Scores2/top0")).toString(), QStringLiteral("9"));
    QCOMPARE(raw.value(QStringLiteral("Scores1/Nam9")).toString(), QStringLiteral(" None"));

    QSettingsStore store(dir.path());
    ScoreTables tables(store);
    tables.read();
    QCOMPARE(rows(tables.table(0)).first(), QStringLiteral("120 Zoë"));
    QCOMPARE(rows(tables.table(2)).first(), QStringLiteral("9 東京 Åsa"));
    QCOMPARE(tables.table(1).entry(3).movesText, QStringLiteral("0"));
}

void tst_ScoreTable::damagedTop_data() {
    QTest::addColumn<QString>("top");

    QTest::newRow("word") << "many";
    QTest::newRow("trailing junk") << "12x";
    QTest::newRow("negative") << "-5";
    QTest::newRow("too big") << "40000";
    QTest::newRow("fraction") << "12.5";
}

void tst_ScoreTable::damagedTop() {
    QFETCH(QString, top);

    MemorySettingsStore store;
    seed(store, QStringLiteral("Scores1"), {"10", top, "20"});
    ScoreTables tables(store);
    tables.read();
    QCOMPARE(tables.table(1).entry(1).movesText, QString());
    QCOMPARE(rows(tables.table(1)).mid(0, 3).join(u','), QStringLiteral("10 A,0 B,20 C"));

    QCOMPARE(tables.rank(1, 15), std::optional<int>(1));
    QCOMPARE(stored(store, "Scores1", "top1"), QStringLiteral("15"));
    QCOMPARE(stored(store, "Scores1", "top2"), QStringLiteral("20"));
}

QTEST_MAIN(tst_ScoreTable)
#include "tst_scoretable.moc"
