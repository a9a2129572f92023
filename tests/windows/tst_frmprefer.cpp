#include "windows/frmprefer.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_frmprefer : public QObject {
    Q_OBJECT

private slots:
    void slotsMatchOptions() {
        frmprefer window;
        QCOMPARE(window.selectedSlot(), 1); // a new window starts on 4x4
        const QString options[] = {"opt3 5x5", "opt2 4x4", "opt1 3x3"}; // slots 0, 1, 2
        for (int slot = 0; slot < 3; ++slot) {
            auto* option = window.findChild<QRadioButton*>(options[slot].left(4));
            QCOMPARE(option->text(), options[slot].mid(5));
            window.selectSlot(slot);
            QVERIFY(option->isChecked());
            // The player's own click reads back the same way.
            window.selectSlot((slot + 1) % 3);
            option->click();
            QCOMPARE(window.selectedSlot(), slot);
        }
        window.selectSlot(3); // no such slot: nothing changes
        QCOMPARE(window.selectedSlot(), 2);
        const auto all = window.findChildren<QRadioButton*>();
        QCOMPARE(std::count_if(all.begin(), all.end(), [](auto* o) { return o->isChecked(); }), 1);
    }

    // Only closing hides the window; after the buttons the main window switches the boards and
    // hides it. Closing is a Cancel; the window is never thrown away and keeps its selection.
    void buttonsAndClosing() {
        QWidget owner;
        QPointer<frmprefer> window = new frmprefer(&owner);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->selectSlot(0);
        QStringList heard;
        connect(window, &frmprefer::okPressed, this, [&] { heard << "ok"; });
        connect(window, &frmprefer::cancelPressed, this, [&] { heard << "cancel"; });

        auto* cmdok = window->findChild<QPushButton*>("cmdok");
        auto* cmdcancel = window->findChild<QPushButton*>("cmdcancel");
        QCOMPARE(cmdok->text() + ' ' + cmdcancel->text(), "&OK &Cancel");
        QTest::mouseClick(cmdok, Qt::LeftButton);
        QTest::mouseClick(cmdcancel, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull() && !window->isVisible());
        QCOMPARE(heard, (QStringList{"ok", "cancel", "cancel"}));
        QCOMPARE(window->selectedSlot(), 0);
    }
};

QTEST_MAIN(tst_frmprefer)
#include "tst_frmprefer.moc"
