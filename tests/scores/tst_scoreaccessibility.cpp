#include "scores/frmscore.h"
#include "scores/frmtopscores.h"
#include "windows/accessiblecontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class tst_scoreaccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void nameBoxIsNamedByItsCaption();
};

void tst_scoreaccessibility::everyControlHasAName_data() {
    QTest::addColumn<bool>("gameOver");
    QTest::newRow("frmscore") << true;
    QTest::newRow("frmtopscores") << false;
}

void tst_scoreaccessibility::everyControlHasAName() {
    QFETCH(bool, gameOver);
    std::unique_ptr<QWidget> window;
    if (gameOver)
        window = std::make_unique<frmscore>();
    else
        window = std::make_unique<frmtopscores>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList nameless = namelessControls(window.get());
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
}

void tst_scoreaccessibility::nameBoxIsNamedByItsCaption() {
    frmscore window;
    window.showResult(31, 12, true);
    QCOMPARE(accessibleText(window.findChild<QLineEdit*>("txtname"), QAccessible::Name),
             window.findChild<QLabel*>("lblname")->text());
}

QTEST_MAIN(tst_scoreaccessibility)
#include "tst_scoreaccessibility.moc"
