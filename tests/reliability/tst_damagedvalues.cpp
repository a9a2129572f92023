// Damaged stored values that the stress tests once found read wrongly, each kept here so the
// fault cannot come back unnoticed.
#include "scores/scoretable.h"
#include "settings/settingtext.h"

#include <QTest>

class tst_damagedvalues : public QObject {
    Q_OBJECT
private slots:
    void aNulCharacterMakesANumberUnusable_data();
    void aNulCharacterMakesANumberUnusable();
};

void tst_damagedvalues::aNulCharacterMakesANumberUnusable_data() {
    QTest::addColumn<QString>("text");
    // A bad sector turned "32768" into "3276", NULs and "8": it read as 3276 moves.
    QTest::newRow("inside") << QStringLiteral("3276") + QString(3, QChar::Null) + u'8';
    QTest::newRow("at the end") << QStringLiteral("12") + QChar::Null;
}

void tst_damagedvalues::aNulCharacterMakesANumberUnusable() {
    QFETCH(QString, text);
    QVERIFY(!toInt16(text));
    QVERIFY(!toInt32(text));
    ScoreTable table;
    table.setStored(0, text, QStringLiteral(" Ada"));
    QCOMPARE(table.entry(0).moves, qint16(0));
    QVERIFY(table.entry(0).movesText.isEmpty());
}

QTEST_MAIN(tst_damagedvalues)
#include "tst_damagedvalues.moc"
