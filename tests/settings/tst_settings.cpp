// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/frmcolor.h"
#include "settings/memorysettingsstore.h"
#include "settings/options.h"
#include "settings/qsettingsstore.h"
#include "windows/accessiblecontrols.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString app = QStringLiteral("quadrello");

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_settings : public QObject {
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

    // Each row: the file to begin with, the names written first, written later and read (or one
    // pair for all three), what is read at first, and how the file then spells the key.
    void savedForLaterRuns_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("spellings");
        QTest::newRow("no file, blanks, INI syntax, not ASCII")
            << QByteArray() << QStringList{"Spiel é", "Schlüssel 漢字"} << "absent"
            << QStringList{"Spiel é/Schlüssel 漢字"};
        QTest::newRow("other case, not ASCII")
            << QByteArray() << QStringList{"Écran", "ÂGE", "écran", "âge", "ÉCRAN", "Âge"}
            << "absent" << QStringList{"Écran/ÂGE"};
        // Of several spellings in a hand-edited file, the one that sorts first wins.
        QTest::newRow("two spellings in the file")
            << QByteArray("[color]\nNumColor=1\n[COLOR]\nnumcolor=2\nNumColor=3\n")
            << QStringList{"Color", "NUMCOLOR"} << "3"
            << QStringList{"COLOR/NumColor", "COLOR/numcolor", "color/NumColor"};
        QTest::newRow("garbage") << QByteArray("\0\xff[\x80\n=\xc3(]\n\xfe\0=", 13)
                                 << QStringList{"Color", "NumColor"} << "absent"
                                 << QStringList{"Color/NumColor"};
    }

    void savedForLaterRuns() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, names);
        QFETCH(QString, before);
        QFETCH(QStringList, spellings);
        while (names.size() < 6)
            names += names.mid(0, 2);
        const QString value = "  @Variant(0) a, b; c=\"d\" \\ [e] #f\nZoë 😀 ";
        QTemporaryDir dir, copy;
        QVERIFY(contents.isNull() || writeFile(dir.filePath("quadrello.conf"), contents));
        QSettingsStore store(dir.path());
        QCOMPARE(store.GetSetting(app, names[4], names[5], "absent"), before);
        store.SaveSetting(app, names[0], names[1], "1");
        store.SaveSetting(app, names[2], names[3], value);
        store.flush();
        // The store is still alive, so only flush() can have put the value on disk. QSettings
        // shares what it has read among all its objects for one file: a copy shows the disk.
        const QString file = copy.filePath("quadrello.conf");
        QFile::copy(dir.filePath("quadrello.conf"), file);
        QCOMPARE(QSettingsStore(copy.path()).GetSetting(app, names[4], names[5], ""), value);
        const QStringList keys = QSettings(file, QSettings::IniFormat).allKeys();
        QCOMPARE(keys.filter(names[4] + '/' + names[5], Qt::CaseInsensitive), spellings);
    }

    // Each Change button asks under one title and paints only its own swatch, which a screen
    // reader hears described by its colour; a cancelled choice changes nothing. Enter means OK
    // wherever the focus is; Escape and the title bar's close mean Cancel. The window leaves
    // the swatches, and its hiding, to whoever answers its signals.
    void swatchesAndAnswers() {
        std::optional<QColor> answer;
        QStringList asked;
        frmcolor w([&](QWidget* parent, const QString& title) {
            asked << (parent == &w ? title : "another parent");
            return answer;
        });
        QList<qint32> expected{128, 11310476, 11310476};
        const char* rows[][2] = {
            {"cmdcolnum", "lblnumcol"}, {"cmdcolbk", "lblbkcol"}, {"cmdcolbox", "lblboxcol"}};
        for (const int row : {0, 1, 2}) {
            answer = QColor(0x0A, 0x14, 0x1E);
            w.findChild<QPushButton*>(rows[row][0])->click();
            answer.reset();
            w.findChild<QPushButton*>(rows[row][0])->click();
            expected[row] = 0x1E140A; // red in the low byte
            QCOMPARE((QList<qint32>{w.numColor(), w.bkColor(), w.boxColor()}), expected);
            QCOMPARE(accessibleText(w.findChild<QLabel*>(rows[row][1]), QAccessible::Description),
                     "Red 10, green 20, blue 30");
        }
        w.show();
        QCOMPARE(namelessControls(&w), QStringList());
        QSignalSpy ok(&w, &frmcolor::okPressed), cancel(&w, &frmcolor::cancelPressed);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            w.findChild<QPushButton*>("cmdcolnum")->setFocus();
            QTest::keyClick(w.focusWidget(), key);
        }
        w.close();
        QCOMPARE(ok.count(), 1);
        QCOMPARE(cancel.count(), 2);
        QVERIFY(w.isVisible());
        QCOMPARE((QList<qint32>{w.numColor(), w.bkColor(), w.boxColor()}), expected);
        QCOMPARE(asked, QStringList(6, "Select a Color"));
    }

    // Qt's own dialog, titled as asked, always opening on its own starting colour; cancelled,
    // it answers nothing.
    void systemChooserAnswers() {
        for (const bool accept : {true, false}) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                seen << dialog->windowTitle() << dialog->currentColor().name()
                     << (dialog->testOption(QColorDialog::DontUseNativeDialog) ? "Qt's" : "native");
                dialog->setCurrentColor(QColor(0x0A, 0x14, 0x1E));
                accept ? dialog->accept() : dialog->reject();
            });
            const std::optional<QColor> answer = systemColorChooser()(nullptr, "Pick one");
            QCOMPARE(seen, (QStringList{"Pick one", "#ffffff", "Qt's"}));
            QCOMPARE(answer, accept ? std::optional(QColor(0x0A, 0x14, 0x1E)) : std::nullopt);
        }
    }
};

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
