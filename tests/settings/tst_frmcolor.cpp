#include "settings/frmcolor.h"

#include <QColorDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestFrmColor : public QObject {
    Q_OBJECT

private slots:
    void changeSetsOnlyItsRow() {
        std::optional<QColor> answer;
        QStringList asked;
        frmcolor w([&](QWidget* parent, const QString& title) {
            asked << (parent == &w ? title : "another parent");
            return answer;
        });
        QList<qint32> expected{128, 11310476, 11310476};
        const QString buttons[] = {"cmdcolnum", "cmdcolbk", "cmdcolbox"};
        for (const int row : {0, 1, 2}) {
            answer = QColor(0x0A, 0x14, 0x1E);
            w.findChild<QPushButton*>(buttons[row])->click();
            answer.reset(); // the player cancels: nothing changes
            w.findChild<QPushButton*>(buttons[row])->click();
            expected[row] = 0x1E140A; // red in the low byte
            QCOMPARE((QList<qint32>{w.numColor(), w.bkColor(), w.boxColor()}), expected);
        }
        QCOMPARE(asked, QStringList(6, "Select a Color"));
    }

    void buttonsAndKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("signal"); // 0 OK, 1 Cancel, 2 Default
        QTest::newRow("OK") << "cmdcolok" << int(Qt::Key_Space) << 0;
        QTest::newRow("Cancel") << "cmdcolcancel" << int(Qt::Key_Space) << 1;
        QTest::newRow("Default") << "cmddefault" << int(Qt::Key_Space) << 2;
        QTest::newRow("Return on a Change button") << "cmdcolnum" << int(Qt::Key_Return) << 0;
        QTest::newRow("Escape") << "cmdcolok" << int(Qt::Key_Escape) << 1;
    }

    // The window leaves the swatches, and its hiding, to whoever answers its signals.
    void buttonsAndKeys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, signal);
        frmcolor w([](QWidget*, const QString&) -> std::optional<QColor> { qFatal("chooser"); });
        w.setNumColor(0x112233);
        w.show();
        w.findChild<QPushButton*>(focus)->setFocus();
        QSignalSpy spies[] = {{&w, &frmcolor::okPressed},
                              {&w, &frmcolor::cancelPressed},
                              {&w, &frmcolor::defaultPressed}};

        QTest::keyClick(w.focusWidget(), Qt::Key(key));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(spies[i].count(), i == signal ? 1 : 0);
        // Closing from the title bar is a Cancel as well.
        w.close();
        QCOMPARE(spies[1].count(), signal == 1 ? 2 : 1);
        QVERIFY(w.isVisible() && w.numColor() == 0x112233);
    }

    void layout() {
        frmcolor w{ColorChooser()};
        QCOMPARE(w.windowTitle(), QString("Change Colors"));
        QVERIFY(w.minimumSize() == QSize(393, 194) && w.maximumSize() == QSize(393, 194));
        QVERIFY(!w.isModal());
        const std::tuple<QString, QString, QRect> controls[] = {
            {"fracolor", "frmcolor", {8, 16, 273, 169}},
            {"cmdcolbox", "fracolor", {184, 117, 57, 25}},
            {"cmddefault", "frmcolor", {296, 136, 81, 25}}};
        for (const auto& [name, parent, geometry] : controls) {
            const auto* widget = w.findChild<QWidget*>(name);
            QVERIFY2(widget && widget->parentWidget()->objectName() == parent, qPrintable(name));
            QCOMPARE(widget->geometry(), geometry);
        }
    }

    // Qt's own dialog, titled as asked, always opening on its own starting colour.
    void systemChooserAnswers() {
        for (const bool accept : {true, false}) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
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
