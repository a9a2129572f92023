#include "settings/qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString app = QStringLiteral("quadrello");

void writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// QSettings shares what it has read among all its objects for one file, so only a store on a
// copy of the file shows what really reached the disk.
QString copyOfFile(const QString& folder, const QTemporaryDir& copy) {
    QFile::copy(folder + QStringLiteral("/quadrello.conf"),
                copy.filePath(QStringLiteral("quadrello.conf")));
    return copy.path();
}

enum Unusable { FileIsFolder, FolderIsFile, ReadOnlyFolder, UnreadableFile };

} // namespace

class tst_QSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void handEditedFile_data();
    void handEditedFile();
    void unusableStore_data();
    void unusableStore();
    void userConfigFolder();

private:
    QTemporaryDir config_;
};

void tst_QSettingsStore::initTestCase() {
    // The default store must never reach the settings of whoever runs the tests.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void tst_QSettingsStore::roundTrip_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("number") << "options"
                            << "Gridvalue"
                            << "0";
    QTest::newRow("leading blank") << "Scores0"
                                   << "Nam0"
                                   << " None";
    QTest::newRow("blanks at both ends") << "Scores0"
                                         << "Nam1"
                                         << "  x  ";
    QTest::newRow("empty") << "Scores0"
                           << "top0"
                           << "";
    QTest::newRow("names in any script") << "Scores1"
                                         << "Nam3"
                                         << " Zoë Straße 漢字 😀";
    QTest::newRow("non-ASCII section and key") << "Spiel é"
                                               << "Schlüssel 漢字"
                                               << "ß";
    QTest::newRow("INI punctuation") << "Scores2"
                                     << "Nam9"
                                     << "a, b; c = \"d\" \\ [e] #f";
    QTest::newRow("QSettings type marker") << "Scores2"
                                           << "Nam8"
                                           << "@Variant(0)";
    QTest::newRow("line break") << "Scores2"
                                << "Nam7"
                                << "two\nlines";
}

void tst_QSettingsStore::roundTrip() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QSettingsStore writer(dir.path());
    writer.SaveSetting(app, section, key, value);
    writer.flush();

    // The writer is still alive: only flush() can have put the value on disk.
    QTemporaryDir copy;
    QSettingsStore reader(copyOfFile(dir.path(), copy));
    QCOMPARE(reader.GetSetting(app, section, key, QStringLiteral("default")), value);
}

void tst_QSettingsStore::namesIgnoreCase_data() {
    QTest::addColumn<QString>("firstSection");
    QTest::addColumn<QString>("firstKey");
    QTest::addColumn<QString>("laterSection");
    QTest::addColumn<QString>("laterKey");
    QTest::addColumn<QString>("readSection");
    QTest::addColumn<QString>("readKey");

    QTest::newRow("capitals first") << "color"
                                    << "NumColor"
                                    << "COLOR"
                                    << "numcolor"
                                    << "Color"
                                    << "NUMCOLOR";
    QTest::newRow("lower case first") << "options"
                                      << "numvalue"
                                      << "Options"
                                      << "Numvalue"
                                      << "OPTIONS"
                                      << "nUmVaLuE";
    QTest::newRow("non-ASCII") << "Écran"
                               << "ÂGE"
                               << "écran"
                               << "âge"
                               << "ÉCRAN"
                               << "Âge";
}

void tst_QSettingsStore::namesIgnoreCase() {
    QFETCH(QString, firstSection);
    QFETCH(QString, firstKey);
    QFETCH(QString, laterSection);
    QFETCH(QString, laterKey);
    QFETCH(QString, readSection);
    QFETCH(QString, readKey);
    QTemporaryDir dir;
    {
        QSettingsStore store(dir.path());
        store.SaveSetting(app, firstSection, firstKey, QStringLiteral("1"));
        store.SaveSetting(app, laterSection, laterKey, QStringLiteral("2"));
        QCOMPARE(store.GetSetting(app, readSection, readKey, QString()), QStringLiteral("2"));
    }
    QTemporaryDir copy;
    QSettingsStore fresh(copyOfFile(dir.path(), copy));
    QCOMPARE(fresh.GetSetting(app, readSection, readKey, QString()), QStringLiteral("2"));

    QSettings file(copy.filePath(QStringLiteral("quadrello.conf")), QSettings::IniFormat);
    QCOMPARE(file.childGroups(), QStringList{firstSection});
    file.beginGroup(firstSection);
    QCOMPARE(file.childKeys(), QStringList{firstKey});
}

void tst_QSettingsStore::handEditedFile_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two spellings of a key")
        << QByteArray("[color]\nnumcolor=1\nNumColor=2\n") << "2";
    QTest::newRow("same, listed the other way round")
        << QByteArray("[color]\nNumColor=2\nnumcolor=1\n") << "2";
    QTest::newRow("two spellings of a section")
        << QByteArray("[color]\nNumColor=1\n[COLOR]\nNumColor=2\n") << "2";
    QTest::newRow("unquoted comma") << QByteArray("[color]\nnumcolor=1, 2\n") << "1, 2";
    QTest::newRow("truncated") << QByteArray("[color]\nNumCol") << "default";
    QByteArray garbage;
    for (int i = 0; i < 1024; ++i)
        garbage.append(char(i * 7919 % 256));
    QTest::newRow("garbage") << garbage << "default";
}

void tst_QSettingsStore::handEditedFile() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("quadrello.conf")), contents);
    {
        QSettingsStore store(dir.path());
        QCOMPARE(store.GetSetting(app, QStringLiteral("Color"), QStringLiteral("NUMCOLOR"),
                                  QStringLiteral("default")),
                 expected);
        store.SaveSetting(app, QStringLiteral("color"), QStringLiteral("NumColor"),
                          QStringLiteral("changed"));
    }
    QTemporaryDir copy;
    QSettingsStore fresh(copyOfFile(dir.path(), copy));
    QCOMPARE(fresh.GetSetting(app, QStringLiteral("color"), QStringLiteral("numcolor"), QString()),
             QStringLiteral("changed"));
}

void tst_QSettingsStore::unusableStore_data() {
    QTest::addColumn<int>("kind");

    QTest::newRow("folder where the file should be") << int(FileIsFolder);
    QTest::newRow("file where the folder should be") << int(FolderIsFile);
    QTest::newRow("read-only folder") << int(ReadOnlyFolder);
    QTest::newRow("unreadable file") << int(UnreadableFile);
}

void tst_QSettingsStore::unusableStore() {
    QFETCH(int, kind);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("quadrello"));
    const QString file = folder + QStringLiteral("/quadrello.conf");
    const QByteArray old("[color]\nNumColor=5\n");
    // Give the permissions back, or the temporary folder could not be removed.
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    });
    switch (kind) {
    case FileIsFolder:
        QVERIFY(QDir().mkpath(file));
        break;
    case FolderIsFile:
        writeFile(folder, old);
        break;
    case ReadOnlyFolder:
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(folder).isWritable())
            QSKIP("permissions do not bind this user");
        break;
    case UnreadableFile:
        QVERIFY(QDir().mkpath(folder));
        writeFile(file, old);
        QVERIFY(QFile::setPermissions(file, QFile::Permissions()));
        if (QFileInfo(file).isReadable())
            QSKIP("permissions do not bind this user");
        break;
    }
    {
        QSettingsStore store(folder);
        QCOMPARE(store.GetSetting(app, QStringLiteral("color"), QStringLiteral("NumColor"),
                                  QStringLiteral("128")),
                 QStringLiteral("128"));
        store.SaveSetting(app, QStringLiteral("color"), QStringLiteral("NumColor"),
                          QStringLiteral("7"));
        store.flush();
    }

    // Nothing reached the disk, and what was there is untouched.
    switch (kind) {
    case FileIsFolder:
        QVERIFY(QFileInfo(file).isDir());
        break;
    case FolderIsFile:
        QCOMPARE(contents(folder), old);
        break;
    case ReadOnlyFolder:
        QVERIFY(QDir(folder).isEmpty());
        break;
    case UnreadableFile:
        QFile::setPermissions(file, QFile::ReadOwner);
        QCOMPARE(contents(file), old);
        break;
    }
}

void tst_QSettingsStore::userConfigFolder() {
    QSettingsStore().SaveSetting(QStringLiteral("Quadrello"), QStringLiteral("color"),
                                 QStringLiteral("NumColor"), QStringLiteral("255"));
    QVERIFY(QFileInfo::exists(config_.filePath(QStringLiteral("quadrello/quadrello.conf"))));
    QCOMPARE(QSettingsStore().GetSetting(app, QStringLiteral("color"), QStringLiteral("numcolor"),
                                         QStringLiteral("128")),
             QStringLiteral("255"));
}

QTEST_MAIN(tst_QSettingsStore)
#include "tst_qsettingsstore.moc"
