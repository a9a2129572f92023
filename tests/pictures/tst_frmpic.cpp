#include "pictures/frmpic.h"
#include "windows/accessiblecontrols.h"

#include <QLineEdit>
#include <QTest>

class FrmpicTest : public QObject {
    Q_OBJECT

private slots:
    // The picture shows, named for a screen reader, without taking the focus from the window
    // the player is typing into.
    void showsThePictureWithoutTakingTheFocus() {
        QLineEdit field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        frmpic window(&field);
        QPixmap picture(420, 325);
        picture.fill(Qt::red);
        window.setPicture(picture);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::focusWidget(), &field);
        QCOMPARE(namelessControls(&window), QStringList());
        QCOMPARE(window.grab().toImage().pixelColor(416, 321), QColor(Qt::red));
    }
};

QTEST_MAIN(FrmpicTest)
#include "tst_frmpic.moc"
