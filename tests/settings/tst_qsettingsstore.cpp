#include "settings/qsettingsstore.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString app = QStringLiteral("quadrello");

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_QSettingsStore : public QObject {
    Q_OBJECT

private slots:
    // Each row: the file to begin with, the names written first, written later and read (or one
    // pair for all three), what is read at first, and how the file then spells the key.
    void savedForLaterRuns_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("spellings");
        QTest::newRow("no file, blanks, INI syntax, not ASCII")
            << QByteArray() << QStringList{"Spiel é", "Schlüssel 漢字"} << "absent"
            << QStringList{"Spiel é/Schlüssel 漢字"};
        QTest::newRow("other case, not ASCII")
            << QByteArray() << QStringList{"Écran", "ÂGE", "écran", "âge", "ÉCRAN", "Âge"}
            << "absent" << QStringList{"Écran/ÂGE"};
        // Of several spellings in a hand-edited file, the one that sorts first wins.
        QTest::newRow("two spellings in the file")
            << QByteArray("[color]\nNumColor=1\n[COLOR]\nnumcolor=2\nNumColor=3\n")
            << QStringList{"Color", "NUMCOLOR"} << "3"
            << QStringList{"COLOR/NumColor", "COLOR/numcolor", "color/NumColor"};
        QTest::newRow("garbage") << QByteArray("\0\xff[\x80\n=\xc3(]\n\xfe\0=", 13)
                                 << QStringList{"Color", "NumColor"} << "absent"
                                 << QStringList{"Color/NumColor"};
    }

    void savedForLaterRuns() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, names);
        QFETCH(QString, before);
        QFETCH(QStringList, spellings);
        while (names.size() < 6)
            names += names.mid(0, 2);
        const QString value = "  @Variant(0) a, b; c=\"d\" \\ [e] #f\nZoë 😀 ";
        QTemporaryDir dir, copy;
        QVERIFY(contents.isNull() || writeFile(dir.filePath("quadrello.conf"), contents));
        QSettingsStore store(dir.path());
        QCOMPARE(store.GetSetting(app, names[4], names[5], "absent"), before);
        store.SaveSetting(app, names[0], names[1], "1");
        store.SaveSetting(app, names[2], names[3], value);
        store.flush();
        // The store is still alive, so only flush() can have put the value on disk. QSettings
        // shares what it has read among all its objects for one file: a copy shows the disk.
        const QString file = copy.filePath("quadrello.conf");
        QFile::copy(dir.filePath("quadrello.conf"), file);
        QCOMPARE(QSettingsStore(copy.path()).GetSetting(app, names[4], names[5], ""), value);
        const QStringList keys = QSettings(file, QSettings::IniFormat).allKeys();
        QCOMPARE(keys.filter(names[4] + '/' + names[5], Qt::CaseInsensitive), spellings);
    }
};

QTEST_MAIN(tst_QSettingsStore)
#include "tst_qsettingsstore.moc"
