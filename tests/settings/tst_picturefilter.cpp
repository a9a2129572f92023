#include "settings/picturefilter.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList listedFiles(const QListView* view) {
    QStringList names;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
        names.append(model->index(row, 0, view->rootIndex()).data().toString());
    names.sort();
    return names;
}

} // namespace

class PictureFilterTest : public QObject {
    Q_OBJECT

private slots:
    void fiveFiltersInOrder();
    void eachFilterListsItsFiles_data();
    void eachFilterListsItsFiles();
};

void PictureFilterTest::fiveFiltersInOrder() {
    const QStringList expected = {
        "All Supported Files (*.jpg *.bmp *.jpeg *.gif)",
        "Jpg File   (*.jpg)",
        "BitMap File(*.bmp)",
        "Jpeg File  (*.jpeg)",
        "Gif File   (*.gif)",
    };
    QCOMPARE(pictureFilters(), expected);
}

void PictureFilterTest::eachFilterListsItsFiles_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("all supported") << 0 << QStringList{"a.jpg", "b.bmp", "c.jpeg", "d.gif"};
    QTest::newRow("jpg") << 1 << QStringList{"a.jpg"};
    QTest::newRow("bitmap") << 2 << QStringList{"b.bmp"};
    QTest::newRow("jpeg") << 3 << QStringList{"c.jpeg"};
    QTest::newRow("gif") << 4 << QStringList{"d.gif"};
}

// Qt's own dialog reads each filter's patterns, so it shows which files a filter really selects.
void PictureFilterTest::eachFilterListsItsFiles() {
    QFETCH(int, filter);
    QFETCH(QStringList, listed);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"a.jpg", "b.bmp", "c.jpeg", "d.gif", "e.png", "f.txt"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QFileDialog dialog(nullptr, QString(), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(pictureFilters());
    // The dialog keeps its filters with runs of blanks folded into one.
    QCOMPARE(dialog.nameFilters().size(), 5);
    dialog.selectNameFilter(dialog.nameFilters().at(filter));

    const auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QVERIFY(view);
    QTRY_COMPARE(listedFiles(view), listed);
}

QTEST_MAIN(PictureFilterTest)
#include "tst_picturefilter.moc"
