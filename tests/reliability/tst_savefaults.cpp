#include "reliability/stressgame.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kFile = "quadrello.conf";
const QByteArray kStored = "[color]\nNumColor=500\n[Scores1]\ntop0=37\nNam0=\" Ada\"\n";

// Plays a little, changes a colour and closes, which saves everything. Gives what went wrong,
// such as a window left open (a message about the settings would be one).
QString playChangeAndClose(frmmain& window) {
    QString fault = play(window);
    window.colorWindow()->setNumColor(4242);
    window.close();
    for (const QWidget* w : QApplication::topLevelWidgets())
        fault += w->isVisible() ? w->windowTitle() + " is shown" : QString();
    return fault;
}

} // namespace

class tst_savefaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules("*.warning=false");
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit just fails
    }
    void aKillDuringTheExitSaveLeavesTheOldOrTheNewFile();
    void anEmptyLockFileLeftByAKilledSaveIsCleared();
    void whatTheGameCannotReadOrWriteIsLeftAlone_data();
    void whatTheGameCannotReadOrWriteIsLeftAlone();
    void aMissingHomeFolderIsNotAProblem();
    void aFullDiskKeepsWhatWasStored();
};

// Killed at a random moment from just before its exit save to just after it, the saver leaves
// the file complete and wholly from one run: byte for byte the old one, or the old one with the
// new run's colours. It prints "saving" just before it closes the window, and saves the colours
// generation, + 1 and + 2.
void tst_savefaults::aKillDuringTheExitSaveLeavesTheOldOrTheNewFile() {
    const int runs = workload(200, 60);
    QTemporaryDir folder;
    QCOMPARE(QProcess::execute(QUADRELLO_EXITSAVER, {folder.path(), "1000"}), 0);
    QByteArray stored = contentOf(folder.filePath(kFile));
    int storedGeneration = 1000;
    int keptOld = 0;
    std::mt19937 engine(99);
    for (int generation = 1010; generation < 1010 + 10 * runs; generation += 10) {
        QByteArray renewed = stored;
        for (int c = 0; c < 3; ++c)
            renewed.replace('=' + QByteArray::number(storedGeneration + c) + '\n',
                            '=' + QByteArray::number(generation + c) + '\n');
        QVERIFY(renewed != stored);
        QProcess saver;
        saver.start(QUADRELLO_EXITSAVER, {folder.path(), QString::number(generation)});
        QVERIFY2(saver.waitForReadyRead(60000), "the saver never got to its exit save");
        usleep(engine() % 4000);
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(60000));
        const QByteArray found = contentOf(folder.filePath(kFile));
        QVERIFY2(found == stored || found == renewed, qPrintable(QString::number(generation)));
        keptOld += found == stored;
        storedGeneration = found == stored ? storedGeneration : generation;
        stored = found;
    }
    qInfo("%d saves killed: %d left the old file, %d the new one", runs, keptOld, runs - keptOld);
}

// Found by the kill test: a run killed while QSettings created its lock file left it empty, and
// the next save froze the game for half a minute until QSettings gave up on the lock.
void tst_savefaults::anEmptyLockFileLeftByAKilledSaveIsCleared() {
    QTemporaryDir folder;
    const QString lock = written(folder.filePath(kFile + ".lock"), {});
    QSettingsStore(folder.path()).GetSetting("quadrello", "color", "NumColor", "");
    QVERIFY2(!QFileInfo::exists(lock), "the broken lock is still there");
}

void tst_savefaults::whatTheGameCannotReadOrWriteIsLeftAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("filePermissions");
    QTest::addColumn<int>("folderPermissions");
    QTest::addColumn<int>("numColor"); // as the game reads it
    QTest::newRow("a read-only folder") << kFile << 0444 << 0555 << 500;
    QTest::newRow("an unreadable file") << kFile << 0 << 0777 << 128;
    QTest::newRow("a folder in the file's place") << kFile + "/kept" << 0644 << 0777 << 128;
}

// Results stored before are worth more than anything the game could say about a file it cannot
// read or a folder it cannot write to: it plays on silently, and what is there stays as it was.
void tst_savefaults::whatTheGameCannotReadOrWriteIsLeftAlone() {
    QFETCH(QString, file);
    QFETCH(int, filePermissions);
    QFETCH(int, folderPermissions);
    QFETCH(int, numColor);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && !written(path, kStored).isEmpty());
    QCOMPARE(chmod(qPrintable(path), filePermissions) |
                 chmod(qPrintable(folder.path()), folderPermissions),
             0);
    {
        const PlainUser player;
        QSettingsStore store(folder.path());
        StoredGame game(store);
        QCOMPARE(game.window.colorWindow()->numColor(), numColor);
        QCOMPARE(playChangeAndClose(game.window), QString());
    }
    QCOMPARE(chmod(qPrintable(folder.path()), 0700) | chmod(qPrintable(path), 0600), 0);
    QCOMPARE(contentOf(path), kStored);
}

// With no home folder, and none that can be made, the game plays and makes none. The store gets
// the folder the game takes from such a home (~/.config/quadrello).
void tst_savefaults::aMissingHomeFolderIsNotAProblem() {
    QTemporaryDir parent;
    const QString home = parent.filePath("gone/home");
    QCOMPARE(chmod(qPrintable(parent.path()), 0555), 0);
    {
        const PlainUser player;
        QSettingsStore store(home + "/.config/quadrello");
        StoredGame game(store);
        QCOMPARE(playChangeAndClose(game.window), QString());
    }
    QVERIFY(!QFileInfo::exists(home));
}

// A disk with no room left: the save fails, and the file from before is still whole. Where the
// test may mount a tiny tmpfs the disk really is full; elsewhere a file size limit makes every
// write past a few hundred bytes fail the same way.
void tst_savefaults::aFullDiskKeepsWhatWasStored() {
    QTemporaryDir folder;
    const bool mounted =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=32k", "tmpfs", folder.path()}) == 0;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute("umount", {folder.path()});
    });
    qInfo(mounted ? "a full 32 KB tmpfs"
                  : "a 256-byte file size limit (no tmpfs could be mounted)");
    QVERIFY(!written(folder.filePath(kFile), kStored).isEmpty());
    QFile filler(folder.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (mounted && filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) {
    }
    QSettingsStore store(folder.path());
    StoredGame game(store);
    QCOMPARE(game.window.colorWindow()->numColor(), 500);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    const rlimit tiny{256, fileSize.rlim_max};
    QVERIFY(mounted || setrlimit(RLIMIT_FSIZE, &tiny) == 0);
    const QString fault = playChangeAndClose(game.window);
    setrlimit(RLIMIT_FSIZE, &fileSize);
    QCOMPARE(fault, QString());
    QCOMPARE(contentOf(folder.filePath(kFile)), kStored);
}

QTEST_MAIN(tst_savefaults)
#include "tst_savefaults.moc"
