#include "settings/picturefilter.h"

#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

class PictureFilterTest : public QObject {
    Q_OBJECT

private slots:
    void fiveFiltersInOrder() {
        QCOMPARE(pictureFilters(), (QStringList{"All Supported Files (*.jpg *.bmp *.jpeg *.gif)",
                                                "Jpg File   (*.jpg)", "BitMap File(*.bmp)",
                                                "Jpeg File  (*.jpeg)", "Gif File   (*.gif)"}));
    }

    // Qt's own dialog reads the patterns, so it shows which files the filter really selects: only
    // the four kinds of picture, not the PNG nor the text file.
    void allSupportedFilesListsThePictures() {
        QTemporaryDir dir;
        for (const char* name : {"a.jpg", "b.bmp", "c.jpeg", "d.gif", "e.png", "f.txt"})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(pictureFilters());
        QCOMPARE(dialog.selectedNameFilter(), dialog.nameFilters().first());
        const auto* view = dialog.findChild<QListView*>("listView");
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 4);
    }
};

QTEST_MAIN(PictureFilterTest)
#include "tst_picturefilter.moc"
