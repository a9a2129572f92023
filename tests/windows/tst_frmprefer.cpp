#include "windows/accessiblecontrols.h"
#include "windows/frmprefer.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_frmprefer : public QObject {
    Q_OBJECT

private slots:
    // The main window's choice and the player's click read back the same way. Closing the
    // window is a Cancel that neither throws the window away nor loses the selection.
    void selectionAndClosing() {
        QWidget owner;
        QPointer<frmprefer> window = new frmprefer(&owner);
        QCOMPARE(window->selectedSlot(), 1);              // a new window starts on 4x4
        const char* options[] = {"opt3", "opt2", "opt1"}; // slots 0, 1, 2
        for (int slot = 0; slot < 3; ++slot) {
            auto* option = window->findChild<QRadioButton*>(options[slot]);
            window->selectSlot(slot);
            QVERIFY(option->isChecked());
            window->selectSlot((slot + 1) % 3);
            option->click();
            QCOMPARE(window->selectedSlot(), slot);
        }
        window->selectSlot(3); // no such slot: nothing changes

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(namelessControls(window), QStringList());
        int cancels = 0;
        connect(window, &frmprefer::cancelPressed, this, [&] { ++cancels; });
        QTest::mouseClick(window->findChild<QPushButton*>("cmdcancel"), Qt::LeftButton);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull() && !window->isVisible());
        QCOMPARE(cancels, 2);
        QCOMPARE(window->selectedSlot(), 2);
    }
};

QTEST_MAIN(tst_frmprefer)
#include "tst_frmprefer.moc"
