#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/memorysettingsstore.h"
#include "settings/options.h"

#include <QTest>

class tst_AppearanceSettings : public QObject {
    Q_OBJECT

private slots:
    void read_data() {
        // "section/key=value" entries, each key spelled its own way, and what the game starts
        // from: gridOff, numOff, autoScramble and the three colours.
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("first run") << "" << QList<int>{1, 0, 0, 128, 11310476, 11310476};
        QTest::newRow("saved values, limits, blanks")
            << "Options/Gridvalue= +1|OPTIONS/Numvalue=0 |options/Enable=1|COLOR/NumColor= 255 |"
               "Color/BkColor=0|color/BoxColor=16777215"
            << QList<int>{0, 1, 1, 255, 0, 16777215};
        QTest::newRow("damaged numbers, colours out of range")
            << "options/Gridvalue=65537|options/Numvalue=0x0|options/Enable=7.5|"
               "color/NumColor=-1|color/BkColor=16777216|color/BoxColor=4294967551"
            << QList<int>{1, 0, 0, 128, 11310476, 11310476};
    }

    void read() {
        QFETCH(QString, stored);
        QFETCH(QList<int>, values);
        MemorySettingsStore settings;
        for (const QString& entry : stored.split('|', Qt::SkipEmptyParts))
            settings.SaveSetting("QUADRELLO", entry.section('/', 0, 0),
                                 entry.section('/', 1).section('=', 0, 0), entry.section('=', 1));
        const StartOptions o = readOptions(settings);
        const ColorValues c = readColors(settings);
        QCOMPARE(
            (QList<int>{o.gridOff, o.numOff, o.autoScramble, c.numColor, c.bkColor, c.boxColor}),
            values);
    }

    void savesInOrder() {
        MemorySettingsStore settings;
        saveOptions(settings, 1, 0, 2);
        saveColors(settings, 16777215, 0, 65280);
        QStringList written;
        for (const MemorySettingsStore::Write& w : settings.writes())
            written << w.section + '/' + w.key + '=' + w.value;
        QCOMPARE(written.join(' '), "options/Gridvalue=1 options/Numvalue=0 options/Enable=2 "
                                    "color/NumColor=16777215 color/BkColor=0 color/BoxColor=65280");
    }

    // Red is the low byte of a stored colour. The swatches may hand back their colour in
    // another model or with alpha.
    void colorValues() {
        const QColor color(0x56, 0x34, 0x12);
        QCOMPARE(colorFromValue(0x123456), color);
        QColor translucentHsv = color.toHsv();
        translucentHsv.setAlpha(40);
        QCOMPARE(valueFromColor(translucentHsv), 0x123456);
    }
};

QTEST_MAIN(tst_AppearanceSettings)
#include "tst_appearancesettings.moc"
