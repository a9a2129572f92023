#include "pictures/picturefilter.h"

#include <QTest>

class PictureFilterTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's file dialog reads each filter's patterns from its closing brackets.
    void fiveFiltersInOrder() {
        QCOMPARE(pictureFilters(), (QStringList{"All Supported Files (*.jpg *.bmp *.jpeg *.gif)",
                                                "Jpg File   (*.jpg)", "BitMap File(*.bmp)",
                                                "Jpeg File  (*.jpeg)", "Gif File   (*.gif)"}));
    }
};

QTEST_APPLESS_MAIN(PictureFilterTest)
#include "tst_picturefilter.moc"
