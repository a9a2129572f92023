#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/memorysettingsstore.h"
#include "settings/options.h"
#include "settings/settingtext.h"

#include <QTest>

namespace {

// `entries` are "key=value" texts, all in one section.
void store(MemorySettingsStore& settings, const QString& section, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype split = entry.indexOf(u'=');
        settings.SaveSetting(QStringLiteral("QUADRELLO"), section, entry.left(split),
                             entry.mid(split + 1));
    }
    settings.clearLog();
}

QStringList writes(const MemorySettingsStore& settings) {
    QStringList log;
    for (const MemorySettingsStore::Write& w : settings.writes())
        log << w.section + u'/' + w.key + u'=' + w.value;
    return log;
}

QStringList valuesOf(const QStringList& log) {
    QStringList values;
    for (const QString& entry : log)
        values << entry.section(u'=', 1);
    return values;
}

} // namespace

class tst_AppearanceSettings : public QObject {
    Q_OBJECT

private slots:
    void readOptions_data();
    void readOptions();
    void saveOptions_data();
    void saveOptions();
    void readColors_data();
    void readColors();
    void saveColors_data();
    void saveColors();
    void colorFromValue_data();
    void colorFromValue();
    void valueFromColor_data() { colorFromValue_data(); }
    void valueFromColor();
    void wholeNumbers_data();
    void wholeNumbers();
};

void tst_AppearanceSettings::readOptions_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("flags"); // gridOff, numOff, autoScramble

    QTest::newRow("first run") << QStringList() << QStringList{"0", "1", "0"}
                               << QList<int>{1, 0, 0};
    QTest::newRow("grid hidden, numbers shown, auto on")
        << QStringList{"Gridvalue=1", "Numvalue=0", "Enable=1"} << QStringList{"1", "0", "1"}
        << QList<int>{0, 1, 1};
    QTest::newRow("keys in other case") << QStringList{"GRIDVALUE=1", "numValue=0", "eNaBlE=1"}
                                        << QStringList{"1", "0", "1"} << QList<int>{0, 1, 1};
    QTest::newRow("other whole numbers") << QStringList{"Gridvalue=7", "Numvalue=-1", "Enable=2"}
                                         << QStringList{"7", "-1", "2"} << QList<int>{1, 1, 1};
    QTest::newRow("blanks around numbers")
        << QStringList{"Gridvalue= 1", "Numvalue=0 ", "Enable= -3 "}
        << QStringList{" 1", "0 ", " -3 "} << QList<int>{0, 1, 1};
    QTest::newRow("not whole numbers") << QStringList{"Gridvalue=abc", "Numvalue=0.5", "Enable=yes"}
                                       << QStringList{"abc", "0.5", "yes"} << QList<int>{1, 0, 0};
    QTest::newRow("empty texts") << QStringList{"Gridvalue=", "Numvalue=", "Enable="}
                                 << QStringList{"", "", ""} << QList<int>{1, 0, 0};
    QTest::newRow("beyond 16 bits")
        << QStringList{"Gridvalue=65537", "Numvalue=65536", "Enable=65536"}
        << QStringList{"65537", "65536", "65536"} << QList<int>{1, 0, 0};
}

void tst_AppearanceSettings::readOptions() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, flags);
    MemorySettingsStore settings;
    store(settings, QStringLiteral("Options"), stored);

    const StartOptions options = ::readOptions(settings);
    QCOMPARE((QStringList{options.texts.gridvalue, options.texts.numvalue, options.texts.enable}),
             texts);
    QCOMPARE((QList<int>{options.gridOff, options.numOff, options.autoScramble}), flags);
}

void tst_AppearanceSettings::saveOptions_data() {
    QTest::addColumn<QList<int>>("flags"); // gridOff, numOff, autoScramble
    QTest::addColumn<QStringList>("written");

    QTest::newRow("grid hidden, numbers shown, auto on")
        << QList<int>{1, 0, 1}
        << QStringList{"options/Gridvalue=1", "options/Numvalue=0", "options/Enable=1"};
    QTest::newRow("grid shown, numbers hidden, auto off")
        << QList<int>{0, 1, 0}
        << QStringList{"options/Gridvalue=0", "options/Numvalue=1", "options/Enable=0"};
}

void tst_AppearanceSettings::saveOptions() {
    QFETCH(QList<int>, flags);
    QFETCH(QStringList, written);
    MemorySettingsStore settings;

    const OptionTexts texts =
        ::saveOptions(settings, qint16(flags[0]), qint16(flags[1]), qint16(flags[2]));
    QCOMPARE(writes(settings), written);
    QCOMPARE((QStringList{texts.gridvalue, texts.numvalue, texts.enable}), valuesOf(written));
}

void tst_AppearanceSettings::readColors_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<qint32>>("values");

    QTest::newRow("first run") << QStringList() << QStringList{"128", "11310476", "11310476"}
                               << QList<qint32>{128, 11310476, 11310476};
    QTest::newRow("stored colours")
        << QStringList{"NumColor=255", "BkColor=0", "BoxColor=16777215"}
        << QStringList{"255", "0", "16777215"} << QList<qint32>{255, 0, 16777215};
    QTest::newRow("keys in other case")
        << QStringList{"NUMCOLOR=65280", "bkColor=1", "boxcolor=2"}
        << QStringList{"65280", "1", "2"} << QList<qint32>{65280, 1, 2};
    QTest::newRow("blanks around numbers")
        << QStringList{"NumColor= 255 "} << QStringList{" 255 ", "11310476", "11310476"}
        << QList<qint32>{255, 11310476, 11310476};
    QTest::newRow("out of range or not numbers")
        << QStringList{"NumColor=-1", "BkColor=16777216", "BoxColor=red"}
        << QStringList{"-1", "16777216", "red"} << QList<qint32>{128, 11310476, 11310476};
    QTest::newRow("empty and beyond 32 bits")
        << QStringList{"NumColor=", "BkColor=4294967296", "BoxColor=7.5"}
        << QStringList{"", "4294967296", "7.5"} << QList<qint32>{128, 11310476, 11310476};
}

void tst_AppearanceSettings::readColors() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, texts);
    QFETCH(QList<qint32>, values);
    MemorySettingsStore settings;
    store(settings, QStringLiteral("COLOR"), stored);

    const ColorValues colors = ::readColors(settings);
    QCOMPARE((QStringList{colors.texts.numColor, colors.texts.bkColor, colors.texts.boxColor}),
             texts);
    QCOMPARE((QList<qint32>{colors.numColor, colors.bkColor, colors.boxColor}), values);
}

void tst_AppearanceSettings::saveColors_data() {
    QTest::addColumn<QList<qint32>>("values");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("defaults") << QList<qint32>{DefaultNumColorValue, DefaultBkColorValue,
                                               DefaultBoxColorValue}
                              << QStringList{"color/NumColor=128", "color/BkColor=11310476",
                                             "color/BoxColor=11310476"};
    QTest::newRow("extremes") << QList<qint32>{16777215, 0, 65280}
                              << QStringList{"color/NumColor=16777215", "color/BkColor=0",
                                             "color/BoxColor=65280"};
}

void tst_AppearanceSettings::saveColors() {
    QFETCH(QList<qint32>, values);
    QFETCH(QStringList, written);
    MemorySettingsStore settings;

    const ColorTexts texts = ::saveColors(settings, values[0], values[1], values[2]);
    QCOMPARE(writes(settings), written);
    QCOMPARE((QStringList{texts.numColor, texts.bkColor, texts.boxColor}), valuesOf(written));
}

void tst_AppearanceSettings::colorFromValue_data() {
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("color");

    QTest::newRow("numbers' dark red") << DefaultNumColorValue << QColor(128, 0, 0);
    QTest::newRow("background blue-grey") << DefaultBkColorValue << QColor(140, 149, 172);
    QTest::newRow("empty box blue-grey") << DefaultBoxColorValue << QColor(140, 149, 172);
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("white") << 0xFFFFFF << QColor(255, 255, 255);
    QTest::newRow("green") << 0x00FF00 << QColor(0, 255, 0);
    QTest::newRow("blue") << 0xFF0000 << QColor(0, 0, 255);
    QTest::newRow("three distinct bytes") << 0x123456 << QColor(0x56, 0x34, 0x12);
}

void tst_AppearanceSettings::colorFromValue() {
    QFETCH(qint32, value);
    QFETCH(QColor, color);
    QCOMPARE(::colorFromValue(value), color);
}

void tst_AppearanceSettings::valueFromColor() {
    QFETCH(qint32, value);
    QFETCH(QColor, color);
    QCOMPARE(::valueFromColor(color), value);
    // The swatches may hand back their colour in another model or with alpha.
    QColor translucentHsv = color.toHsv();
    translucentHsv.setAlpha(40);
    QCOMPARE(::valueFromColor(translucentHsv), value);
}

void tst_AppearanceSettings::wholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("int16"); // invalid: rejected
    QTest::addColumn<QVariant>("int32");

    const QVariant none;
    QTest::newRow("plain") << "7" << QVariant(7) << QVariant(7);
    QTest::newRow("surrounding blanks") << " 7 " << QVariant(7) << QVariant(7);
    QTest::newRow("plus sign") << "+7" << QVariant(7) << QVariant(7);
    QTest::newRow("16-bit minimum") << "-32768" << QVariant(-32768) << QVariant(-32768);
    QTest::newRow("beyond 16 bits") << "32768" << none << QVariant(32768);
    QTest::newRow("32-bit minimum") << "-2147483648" << none << QVariant(-2147483647 - 1);
    QTest::newRow("beyond 32 bits") << "2147483648" << none << none;
    QTest::newRow("empty") << "" << none << none;
    QTest::newRow("blank") << " " << none << none;
    QTest::newRow("fraction") << "7.5" << none << none;
    QTest::newRow("letters") << "abc" << none << none;
    QTest::newRow("trailing letter") << "7a" << none << none;
    QTest::newRow("hexadecimal") << "0x10" << none << none;
    QTest::newRow("blank inside") << "1 2" << none << none;
    QTest::newRow("group separator") << "1,000" << none << none;
}

void tst_AppearanceSettings::wholeNumbers() {
    QFETCH(QString, text);
    QFETCH(QVariant, int16);
    QFETCH(QVariant, int32);

    const std::optional<qint16> short16 = toInt16(text);
    QCOMPARE(short16.has_value(), int16.isValid());
    if (short16)
        QCOMPARE(int(*short16), int16.toInt());
    const std::optional<qint32> long32 = toInt32(text);
    QCOMPARE(long32.has_value(), int32.isValid());
    if (long32)
        QCOMPARE(*long32, int32.toInt());
}

QTEST_MAIN(tst_AppearanceSettings)
#include "tst_appearancesettings.moc"
