#include "settings/frmpic.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace {

QPixmap quadrants(QSize size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, w, h, Qt::green);
    painter.fillRect(0, h, w, h, Qt::blue);
    painter.fillRect(w, h, w, h, Qt::yellow);
    return pixmap;
}

} // namespace

class FrmpicTest : public QObject {
    Q_OBJECT

private slots:
    void borderlessAndBoardSized();
    void showsThePictureStretchedOverTheWindow();
    void showingItLeavesTheFocusWhereItWas();
};

void FrmpicTest::borderlessAndBoardSized() {
    frmpic window;
    QCOMPARE(window.objectName(), QStringLiteral("frmpic"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.size(), QSize(420, 325));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    const auto* imgpic = window.findChild<QLabel*>(QStringLiteral("imgpic"));
    QVERIFY(imgpic);
    QCOMPARE(imgpic->geometry(), window.rect());
}

void FrmpicTest::showsThePictureStretchedOverTheWindow() {
    frmpic window;
    window.setPicture(quadrants(QSize(60, 200)));
    const QImage shown = window.grab().toImage();
    QCOMPARE(shown.pixelColor(105, 81), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(315, 81), QColor(Qt::green));
    QCOMPARE(shown.pixelColor(105, 243), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(315, 243), QColor(Qt::yellow));
}

void FrmpicTest::showingItLeavesTheFocusWhereItWas() {
    QWidget main;
    auto* field = new QLineEdit(&main);
    main.show();
    main.activateWindow();
    field->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    frmpic window(&main);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::activeWindow(), &main);
    QCOMPARE(QApplication::focusWidget(), field);
}

QTEST_MAIN(FrmpicTest)
#include "tst_frmpic.moc"
