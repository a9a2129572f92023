#include "windows/builtinpicture.h"

#include <QImage>
#include <QTest>
#include <cmath>

// The pictures the windows load from the resources compiled into quadrello_assets: each must
// be there and decode at the size its window was laid out for, on screens of every scale.
class tst_assets : public QObject {
    Q_OBJECT

    // Mean squared grey-level gradient per pixel.
    static double sharpness(const QImage& picture) {
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        double sum = 0;
        for (int y = 0; y + 1 < grey.height(); ++y) {
            const uchar* row = grey.constScanLine(y);
            for (int x = 0; x + 1 < grey.width(); ++x)
                sum += std::pow(row[x + 1] - row[x], 2) +
                       std::pow(row[x + grey.bytesPerLine()] - row[x], 2);
        }
        return sum / (grey.width() * grey.height());
    }

private slots:
    void picture_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        const auto atEveryScale = [](const char* name, const QString& path, QSize size) {
            for (const int scale : {1, 2, 3})
                QTest::addRow("%s %dx", name, scale) << path << size << scale;
        };
        atEveryScale("splash background", ":/splash.png", QSize(539, 229));
        atEveryScale("title banner", ":/title.png", QSize(430, 28));
        for (const char* name :
             {"numbered", "unnumbered", "gridon", "gridoff", "color", "preferences"})
            atEveryScale(name, QString(":/faces/%1.png").arg(name), QSize(68, 38));
        atEveryScale("About icon", ":/icons/keypad.png", QSize(32, 32));
        for (const int side : {16, 24, 32, 48, 64, 128})
            QTest::addRow("window icon %d", side)
                << QString(":/icons/quadrello-%1.png").arg(side) << QSize(side, side) << 1;
    }

    void picture() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, scale);
        const QPixmap picture = builtInPicture(path, scale);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(picture.size(), size * scale);
        // The splash background is a plain 24-bit picture: nothing of the window shows through.
        QVERIFY(!path.startsWith(":/splash") || !picture.hasAlphaChannel());
    }

    // The larger banners are drawn for their scale. Made by scaling up the 1x one, they would
    // show its soft edges, with well under half the sharpness.
    void bannerDrawnForEachScale() {
        const QImage one = builtInPicture(QStringLiteral(":/title.png"), 1).toImage();
        for (const qreal ratio : {1.5, 2.0, 3.0}) {
            const QImage drawn = builtInPicture(QStringLiteral(":/title.png"), ratio).toImage();
            QCOMPARE_GT(sharpness(drawn),
                        2 * sharpness(one.scaled(drawn.size(), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation)));
        }
    }
};

QTEST_MAIN(tst_assets)
#include "tst_assets.moc"
