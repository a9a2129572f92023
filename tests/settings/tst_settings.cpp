// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/colorchooser.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"
#include "windows/accessiblecontrols.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_settings : public QObject {
    Q_OBJECT

private slots:
    // Names with blanks and letters beyond ASCII, spelled in other letter cases each time, and a
    // value full of what the file's own syntax uses, all come back as written, in a later run;
    // the file keeps the first spelling of the names.
    void savedForLaterRuns() {
        const QString value = "  @Variant(0) a, b; c=\"d\" \\ [e] #f\nZoë 😀 ";
        QTemporaryDir dir, copy;
        QSettingsStore store(dir.path());
        QCOMPARE(store.GetSetting("quadrello", "Spiel É", "Schlüssel 漢字", "absent"), "absent");
        store.SaveSetting("quadrello", "Spiel É", "Schlüssel 漢字", "1");
        store.SaveSetting("quadrello", "spiel é", "SCHLÜSSEL 漢字", value);
        store.flush();
        // The store is still alive, so only flush() can have put the value on disk. QSettings
        // shares what it has read among all its objects for one file: a copy shows the disk.
        const QString file = copy.filePath("quadrello.conf");
        QFile::copy(dir.filePath("quadrello.conf"), file);
        QCOMPARE(
            QSettingsStore(copy.path()).GetSetting("quadrello", "SPIEL É", "schlüssel 漢字", ""),
            value);
        QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(),
                 QStringList{"Spiel É/Schlüssel 漢字"});
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
            answer = QColor(0x0A, 0x14, 0x1E, 40).toHsv(); // any model, any alpha
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
        // The system's colour dialog opens with that caption and answers the colour picked.
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            title = dialog->windowTitle();
            dialog->setCurrentColor(Qt::red);
            dialog->accept();
        });
        QCOMPARE(systemColorChooser()(&w, "Select a Color"), std::optional<QColor>(Qt::red));
        QCOMPARE(title, "Select a Color");
    }
};

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
