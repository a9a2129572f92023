#include "app/frmsplash.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// How the player leaves the splash: Play, a click anywhere, any key, or Exit (and the close box).
class tst_frmsplash : public QObject {
    Q_OBJECT
private slots:
    void leavingTheSplash_data();
    void leavingTheSplash();
};

void tst_frmsplash::leavingTheSplash_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("plays");
    QTest::newRow("Play") << "cmdplay" << true;
    QTest::newRow("click on the picture") << "click" << true;
    QTest::newRow("a letter key") << "key" << true;
    QTest::newRow("Exit") << "cmdext" << false;
    QTest::newRow("close box") << "close" << false;
}

void tst_frmsplash::leavingTheSplash() {
    QFETCH(QString, how);
    QFETCH(bool, plays);
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.size(), QSize(536, 228));
    QSignalSpy play(&splash, &frmSplash::playChosen);
    QSignalSpy exit(&splash, &frmSplash::exitChosen);
    if (how == "click")
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
    else if (how == "key")
        QTest::keyClick(&splash, Qt::Key_Q);
    else if (how == "close")
        splash.close();
    else
        QTest::mouseClick(splash.findChild<QPushButton*>(how), Qt::LeftButton);
    // A second click while the splash goes away must not lead on twice.
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(play.count(), plays ? 1 : 0);
    QCOMPARE(exit.count(), plays ? 0 : 1);
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(tst_frmsplash)
#include "tst_frmsplash.moc"
