#include "settings/frmpic.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>

class FrmpicTest : public QObject {
    Q_OBJECT

private slots:
    void showsThePictureWithoutTakingTheFocus() {
        QWidget main;
        auto* field = new QLineEdit(&main);
        main.show();
        field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        frmpic window(&main);
        QVERIFY(window.objectName() == "frmpic" && window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.minimumSize() == QSize(420, 325) && window.maximumSize() == QSize(420, 325));
        QPixmap picture(60, 200); // blue in the bottom right quarter, red elsewhere
        picture.fill(Qt::red);
        QPainter(&picture).fillRect(30, 100, 30, 100, Qt::blue);
        window.setPicture(picture);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::focusWidget(), field);

        // Stretched over the whole window, whatever the picture's proportions.
        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(416, 321), QColor(Qt::blue));
    }
};

QTEST_MAIN(FrmpicTest)
#include "tst_frmpic.moc"
