#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/memorysettingsstore.h"
#include "settings/options.h"

#include <QTest>

class tst_AppearanceSettings : public QObject {
    Q_OBJECT

private slots:
    void read_data() {
        // "section/key=value" for the three options and the three colours, each key spelled its
        // own way, or nothing at all.
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QList<int>>("values"); // gridOff, numOff, autoScramble and the colours

        QTest::newRow("first run") << QStringList() << QList<int>{1, 0, 0, 128, 11310476, 11310476};
        QTest::newRow("saved values, limits, blanks")
            << QStringList{"Options/Gridvalue= +1", "OPTIONS/Numvalue=0 ",
                           "options/Enable=1",      "COLOR/NumColor= 255 ",
                           "Color/BkColor=0",       "color/BoxColor=16777215"}
            << QList<int>{0, 1, 1, 255, 0, 16777215};
        QTest::newRow("other numbers")
            << QStringList{"options/Gridvalue=7", "options/Numvalue=-32768", "options/Enable=2",
                           "color/NumColor=-1",   "color/BkColor=16777216",  "color/BoxColor=32768"}
            << QList<int>{1, 1, 1, 128, 11310476, 32768};
        QTest::newRow("damaged numbers")
            << QStringList{"options/Gridvalue=65537", "options/Numvalue=0x0",
                           "options/Enable=1,000",    "color/NumColor=4294967551",
                           "color/BkColor=1,000",     "color/BoxColor=7.5"}
            << QList<int>{1, 0, 0, 128, 11310476, 11310476};
        QTest::newRow("empty, fraction, letters, hexadecimal")
            << QStringList{"options/Gridvalue=", "options/Numvalue=", "options/Enable=7.5",
                           "color/NumColor=",    "color/BkColor=1a",  "color/BoxColor=0x10"}
            << QList<int>{1, 0, 0, 128, 11310476, 11310476};
    }

    void read() {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, values);
        MemorySettingsStore settings;
        // What a first run reads; each stored entry puts its own text in its place.
        QStringList texts{"0", "1", "0", "128", "11310476", "11310476"};
        for (int i = 0; i < stored.size(); ++i) {
            const QString& entry = stored[i];
            texts[i] = entry.section('=', 1);
            settings.SaveSetting("QUADRELLO", entry.section('/', 0, 0),
                                 entry.section('/', 1).section('=', 0, 0), texts[i]);
        }

        const StartOptions o = readOptions(settings);
        const ColorValues c = readColors(settings);
        // The texts are kept exactly as read, however damaged.
        QCOMPARE((QStringList{o.texts.gridvalue, o.texts.numvalue, o.texts.enable, c.texts.numColor,
                              c.texts.bkColor, c.texts.boxColor}),
                 texts);
        QCOMPARE(
            (QList<int>{o.gridOff, o.numOff, o.autoScramble, c.numColor, c.bkColor, c.boxColor}),
            values);
    }

    void savesInOrderAndReturnsTheTexts() {
        MemorySettingsStore settings;
        const OptionTexts options = saveOptions(settings, 1, 0, 2);
        const ColorTexts colors = saveColors(settings, 16777215, 0, 65280);

        QStringList written;
        for (const MemorySettingsStore::Write& w : settings.writes())
            written << w.section + '/' + w.key + '=' + w.value;
        QCOMPARE(written, (QStringList{"options/Gridvalue=1", "options/Numvalue=0",
                                       "options/Enable=2", "color/NumColor=16777215",
                                       "color/BkColor=0", "color/BoxColor=65280"}));
        QCOMPARE((QStringList{options.gridvalue, options.numvalue, options.enable, colors.numColor,
                              colors.bkColor, colors.boxColor}),
                 (QStringList{"1", "0", "2", "16777215", "0", "65280"}));
    }

    void colorValues_data() {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QColor>("color");

        QTest::newRow("numbers' dark red") << DefaultNumColorValue << QColor(128, 0, 0);
        QTest::newRow("background blue-grey") << DefaultBkColorValue << QColor(140, 149, 172);
        QTest::newRow("three distinct bytes") << 0x123456 << QColor(0x56, 0x34, 0x12);
    }

    void colorValues() {
        QFETCH(qint32, value);
        QFETCH(QColor, color);
        QCOMPARE(colorFromValue(value), color);
        // The swatches may hand back their colour in another model or with alpha.
        QColor translucentHsv = color.toHsv();
        translucentHsv.setAlpha(40);
        QCOMPARE(valueFromColor(translucentHsv), value);
    }
};

QTEST_MAIN(tst_AppearanceSettings)
#include "tst_appearancesettings.moc"
