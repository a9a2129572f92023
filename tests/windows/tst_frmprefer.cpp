#include "windows/frmprefer.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class tst_frmprefer : public QObject {
    Q_OBJECT

private slots:
    void startsOnFourByFour();
    void slotMatchesOption_data();
    void slotMatchesOption();
    void buttonsReport_data();
    void buttonsReport();
    void frameCloseHidesAndCancels();
};

void tst_frmprefer::startsOnFourByFour() {
    frmprefer window;
    QVERIFY(window.findChild<QRadioButton*>("opt2")->isChecked());
    QCOMPARE(window.selectedSlot(), 1);
}

void tst_frmprefer::slotMatchesOption_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::newRow("5x5") << 0 << "opt3"
                         << "5x5";
    QTest::newRow("4x4") << 1 << "opt2"
                         << "4x4";
    QTest::newRow("3x3") << 2 << "opt1"
                         << "3x3";
}

void tst_frmprefer::slotMatchesOption() {
    QFETCH(int, slot);
    QFETCH(QString, option);
    QFETCH(QString, caption);
    frmprefer window;
    auto* button = window.findChild<QRadioButton*>(option);
    QCOMPARE(button->text(), caption);

    window.selectSlot(slot);
    QVERIFY(button->isChecked());
    QCOMPARE(window.selectedSlot(), slot);
    window.selectSlot(3);
    window.selectSlot(-1);
    QCOMPARE(window.selectedSlot(), slot);

    // The player's own click must read back the same way.
    window.selectSlot(slot == 1 ? 0 : 1);
    button->click();
    QCOMPARE(window.selectedSlot(), slot);
    const auto options = window.findChildren<QRadioButton*>();
    QCOMPARE(std::count_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); }),
             1);
}

void tst_frmprefer::buttonsReport_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << "cmdok"
                        << "&OK" << true;
    QTest::newRow("Cancel") << "cmdcancel"
                            << "&Cancel" << false;
}

void tst_frmprefer::buttonsReport() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(bool, ok);
    frmprefer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy okSpy(&window, &frmprefer::okPressed);
    QSignalSpy cancelSpy(&window, &frmprefer::cancelPressed);
    auto* pushButton = window.findChild<QPushButton*>(button);
    QCOMPARE(pushButton->text(), caption);

    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(okSpy.count(), ok ? 1 : 0);
    QCOMPARE(cancelSpy.count(), ok ? 0 : 1);
    // Hiding is the main window's job, done after it has switched the boards.
    QVERIFY(window.isVisible());
}

void tst_frmprefer::frameCloseHidesAndCancels() {
    QWidget owner;
    QPointer<frmprefer> window = new frmprefer(&owner);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->selectSlot(0);
    QSignalSpy cancelSpy(window.data(), &frmprefer::cancelPressed);

    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window.isNull());
    QVERIFY(!window->isVisible());
    QCOMPARE(cancelSpy.count(), 1);

    window->show();
    QCOMPARE(window->selectedSlot(), 0);
}

QTEST_MAIN(tst_frmprefer)
#include "tst_frmprefer.moc"
