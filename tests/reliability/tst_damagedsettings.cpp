#include "app/frmmain.h"
#include "reliability/damagedsettings.h"
#include "reliability/documentedreadings.h"
#include "reliability/plainuser.h"
#include "reliability/quietwarnings.h"
#include "reliability/scratchfolder.h"
#include "reliability/testgame.h"
#include "reliability/workload.h"
#include "settings/qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// What the game reads from a store with nothing in it.
Readings defaults() {
    return documentedReadings(QStringLiteral("/nonexistent/quadrello.conf"));
}

} // namespace

class tst_damagedsettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { dropWarnings(); }
    void everyDamagedFileStartsPlaysAndIsRepaired();
    void aFolderWhereTheFileShouldBeIsLeftAlone();
    void anUnreadableFileIsNeitherReadNorOverwritten();
};

// The game starts on what it can use of the file, plays, and on exit writes back every value
// it read (valid ones unchanged, unusable ones as their fallback), each as the game writes it.
void tst_damagedsettings::everyDamagedFileStartsPlaysAndIsRepaired() {
    const int files = workload(3000, 600);
    QTemporaryDir home(scratchPattern());
    QVERIFY(home.isValid());
    const QString path = home.filePath(QStringLiteral("quadrello.conf"));
    int differentFromDefaults = 0;
    for (int n = 0; n < files; ++n) {
        const unsigned seed = 1000u + unsigned(n);
        const DamagedSettings file = damagedSettings(seed);
        QVERIFY(write(path, file.content));
        const QString what = QStringLiteral("seed %1 (%2)").arg(seed).arg(file.damage);
        const Readings expected = documentedReadings(path);
        if (!(expected == defaults()))
            ++differentFromDefaults;
        {
            QSettingsStore store(home.path());
            TestGame game(store, seed);
            const QString difference = readingsDifference(expected, game.readings());
            QVERIFY2(difference.isEmpty(), qPrintable(what + QStringLiteral(": ") + difference));
            const QString fault = game.play();
            QVERIFY2(fault.isEmpty(), qPrintable(what + QStringLiteral(": ") + fault));
            game.close();
        }
        const QString afterExit = readingsDifference(expected, documentedReadings(path));
        QVERIFY2(afterExit.isEmpty(),
                 qPrintable(what + QStringLiteral(", after exit: ") + afterExit));
        const QString badlyWritten = notAsTheGameWritesIt(path);
        QVERIFY2(badlyWritten.isEmpty(),
                 qPrintable(what + QStringLiteral(", written back: ") + badlyWritten));
    }
    qInfo("%d damaged settings files, %d of them holding something other than the defaults", files,
          differentFromDefaults);
}

void tst_damagedsettings::aFolderWhereTheFileShouldBeIsLeftAlone() {
    QTemporaryDir home(scratchPattern());
    const QString blocked = home.filePath(QStringLiteral("quadrello.conf"));
    QVERIFY(QDir().mkpath(blocked));
    const QString inside = blocked + QStringLiteral("/keep.txt");
    QVERIFY(write(inside, "kept"));
    {
        QSettingsStore store(home.path());
        TestGame game(store, 1);
        QVERIFY(game.readings() == defaults());
        const QString fault = game.play();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        game.close();
    }
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(contentOf(inside), QByteArray("kept"));
}

// A file the player cannot read may still hold years of results: the game starts on the
// defaults and must not replace it with them on exit.
void tst_damagedsettings::anUnreadableFileIsNeitherReadNorOverwritten() {
    QTemporaryDir home(scratchPattern());
    const QString path = home.filePath(QStringLiteral("quadrello.conf"));
    const QByteArray stored("[Scores1]\ntop0=37\nNam0=\" Ada\"\n[color]\nNumColor=255\n");
    QVERIFY(write(path, stored));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    {
        const PlainUser plain;
        QVERIFY2(!QFile(path).open(QIODevice::ReadOnly), "the file can still be read");
        QSettingsStore store(home.path());
        TestGame game(store, 2);
        QVERIFY(game.readings() == defaults());
        const QString fault = game.play();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        game.close();
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(contentOf(path), stored);
}

QTEST_MAIN(tst_damagedsettings)
#include "tst_damagedsettings.moc"
