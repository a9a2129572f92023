#include "settings/qsettingsstore.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString app = QStringLiteral("quadrello");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a later run finds: the value a fresh store reads, then every key as the file spells it.
// QSettings shares what it has read among all its objects for one file, so only a copy of the
// file shows what really reached the disk.
QStringList reread(const QString& folder, const QString& section, const QString& key) {
    QTemporaryDir copy;
    const QString file = copy.filePath("quadrello.conf");
    QFile::copy(folder + "/quadrello.conf", file);
    const QString value = QSettingsStore(copy.path()).GetSetting(app, section, key, "absent");
    return QStringList{value} + QSettings(file, QSettings::IniFormat).allKeys();
}

// Every path under `root` with what it holds.
QStringList tree(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    for (QString& entry : entries)
        entry += '=' + contents(entry);
    return entries;
}

} // namespace

class tst_QSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void savedForLaterRuns_data() {
        // Section and key written first, written later and read; or one pair for all three.
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("value");

        QTest::newRow("blanks at both ends") << QStringList{"Scores0", "Nam1"} << "  x  ";
        QTest::newRow("empty") << QStringList{"Scores0", "top0"} << "";
        QTest::newRow("INI syntax, non-ASCII") << QStringList{"Spiel é", "Schlüssel 漢字"}
                                               << "@Variant(0) a, b; c=\"d\" \\ [e] #f\nZoë 😀";
        QTest::newRow("other case") << QStringList{"opt", "num", "Opt", "Num", "OPT", "nUm"} << "2";
        QTest::newRow("non-ASCII, other case")
            << QStringList{"Écran", "ÂGE", "écran", "âge", "ÉCRAN", "Âge"} << "2";
    }

    void savedForLaterRuns() {
        QFETCH(QStringList, names);
        QFETCH(QString, value);
        while (names.size() < 6)
            names += names.mid(0, 2);
        QTemporaryDir dir;
        QSettingsStore store(dir.path());
        store.SaveSetting(app, names[0], names[1], "1");
        store.SaveSetting(app, names[2], names[3], value);
        store.flush();
        // The store is still alive, so only flush() can have put the value on disk; it is there
        // once, under the spelling it was first written with.
        QCOMPARE(reread(dir.path(), names[4], names[5]),
                 (QStringList{value, names[0] + '/' + names[1]}));
    }

    void handEditedFile_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected");

        // The spelling that sorts first wins, wherever the file lists it.
        QTest::newRow("two spellings of a section and a key")
            << QByteArray("[color]\nNumColor=1\n[COLOR]\nnumcolor=2\nNumColor=3\n") << "3";
        QTest::newRow("unquoted comma") << QByteArray("[color]\nnumcolor=1, 2\n") << "1, 2";
        QTest::newRow("garbage") << QByteArray("\0\xff[\x80\n=\xc3(]\n\xfe\0=", 13) << "absent";
    }

    void handEditedFile() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("quadrello.conf"), contents));
        QSettingsStore store(dir.path());
        QCOMPARE(store.GetSetting(app, "Color", "NUMCOLOR", "absent"), expected);
        // Whatever the file held, the next save leaves a valid one.
        store.SaveSetting(app, "color", "NumColor", "changed");
        store.flush();
        QCOMPARE(reread(dir.path(), "color", "numcolor").first(), QStringLiteral("changed"));
    }

    void unusableStore_data() {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("file where the folder should be") << false;
        QTest::newRow("unreadable file") << true;
    }

    void unusableStore() {
        QFETCH(bool, unreadable);
        QTemporaryDir dir;
        const QString folder = dir.filePath("quadrello");
        const QString blocker = unreadable ? folder + "/quadrello.conf" : folder;
        QVERIFY(!unreadable || QDir().mkpath(folder));
        QVERIFY(writeFile(blocker, "[color]\nNumColor=5\n"));
        if (unreadable && QFile::setPermissions(blocker, {}) && QFileInfo(blocker).isReadable())
            QSKIP("permissions do not bind this user");
        const QStringList before = tree(dir.path());
        QSettingsStore store(folder);
        QCOMPARE(store.GetSetting(app, "color", "NumColor", "128"), QStringLiteral("128"));
        store.SaveSetting(app, "color", "NumColor", "7");
        store.flush();
        // Nothing reached the disk, and what was there is untouched.
        QCOMPARE(tree(dir.path()), before);
    }

    void userConfigFolder() {
        // The default store must never reach the settings of whoever runs the tests.
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QSettingsStore().SaveSetting("Quadrello", "color", "NumColor", "255");
        QVERIFY(QFileInfo::exists(config.filePath("quadrello/quadrello.conf")));
        QCOMPARE(QSettingsStore().GetSetting(app, "Color", "numcolor", ""), QString("255"));
    }
};

QTEST_MAIN(tst_QSettingsStore)
#include "tst_qsettingsstore.moc"
