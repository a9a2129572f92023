#include "settings/frmcolor.h"
#include "windows/accessiblecontrols.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestFrmColor : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
