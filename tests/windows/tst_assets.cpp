// The pictures the windows load from the resources compiled into quadrello_assets: each must
// be there and decode at the size its window was laid out for.

#include <QImage>
#include <QTest>

class tst_assets : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
    void splashHasNoTransparency();
};

void tst_assets::picture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("splash background") << QStringLiteral(":/splash.png") << QSize(539, 229);
    QTest::newRow("title banner") << QStringLiteral(":/title.png") << QSize(430, 28);
    const QSize face(68, 38);
    for (const char* name : {"numbered", "unnumbered", "gridon", "gridoff", "color", "preferences"})
        QTest::addRow("face %s", name) << QStringLiteral(":/faces/%1.png").arg(name) << face;
    QTest::newRow("About icon") << QStringLiteral(":/icons/keypad.png") << QSize(32, 32);
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("window icon %d", side)
            << QStringLiteral(":/icons/quadrello-%1.png").arg(side) << QSize(side, side);
    }
}

void tst_assets::picture() {
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

// The splash background is a plain 24-bit picture: nothing of the window shows through it.
void tst_assets::splashHasNoTransparency() {
    const QImage splash(QStringLiteral(":/splash.png"));
    QVERIFY(!splash.isNull());
    QVERIFY(!splash.hasAlphaChannel());
}

QTEST_MAIN(tst_assets)
#include "tst_assets.moc"
