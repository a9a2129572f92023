#include <QImage>
#include <QTest>

// The pictures the windows load from the resources compiled into quadrello_assets: each must
// be there and decode at the size its window was laid out for.
class tst_assets : public QObject {
    Q_OBJECT

private slots:
    void picture_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash background") << ":/splash.png" << QSize(539, 229);
        QTest::newRow("title banner") << ":/title.png" << QSize(430, 28);
        for (const char* name :
             {"numbered", "unnumbered", "gridon", "gridoff", "color", "preferences"})
            QTest::addRow("face %s", name) << QString(":/faces/%1.png").arg(name) << QSize(68, 38);
        QTest::newRow("About icon") << ":/icons/keypad.png" << QSize(32, 32);
        for (const int side : {16, 24, 32, 48, 64})
            QTest::addRow("window icon %d", side)
                << QString(":/icons/quadrello-%1.png").arg(side) << QSize(side, side);
    }

    void picture() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QCOMPARE(image.size(), size);
        // The splash background is a plain 24-bit picture: nothing of the window shows through.
        QVERIFY(!path.startsWith(":/splash") || !image.hasAlphaChannel());
    }
};

QTEST_MAIN(tst_assets)
#include "tst_assets.moc"
