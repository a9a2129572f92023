#include "app/frmmain.h"
#include "reliability/documentedreadings.h"
#include "reliability/plainuser.h"
#include "reliability/quietwarnings.h"
#include "reliability/scratchfolder.h"
#include "reliability/testgame.h"
#include "reliability/workload.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kFile = QStringLiteral("quadrello.conf");

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the saver on a folder; it prints "saving" just before the main window closes.
bool startSaver(QProcess& saver, const QString& folder, int generation) {
    saver.setProcessChannelMode(QProcess::SeparateChannels);
    saver.start(QStringLiteral(QUADRELLO_EXITSAVER), {folder, QString::number(generation)});
    return saver.waitForStarted();
}

// The generation whose colours the file holds, or -1 when the three disagree.
int generationIn(const Readings& r) {
    const int g = r.colors[0];
    return r.colors[1] == g + 1 && r.colors[2] == g + 2 ? g : -1;
}

// The windows the player sees besides the main window; a message about the store would be one.
int windowsBesidesTheMain(const frmmain& window) {
    int others = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &window && w->isVisible())
            ++others;
    }
    return others + int(window.findChildren<QMessageBox*>().size());
}

// Plays a little, changes the colours and closes: everything the game stores gets written.
QString playChangeAndClose(TestGame& game) {
    QString fault = game.play();
    if (windowsBesidesTheMain(game.window()) != 0)
        fault += QStringLiteral(" a window opened");
    game.window().colorWindow()->setNumColor(4242);
    game.close();
    return fault;
}

} // namespace

class tst_savefaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { dropWarnings(); }
    void aKillDuringTheExitSaveLeavesTheOldOrTheNewFile();
    void aLockFileLeftEmptyByACrashIsCleared();
    void aReadOnlyFolderKeepsWhatWasStored();
    void aMissingHomeFolderIsNotAProblem();
    void aFullDiskKeepsWhatWasStored();
};

// The saver is killed at a random moment from just before its exit save to just after it.
// Whatever the moment, the file is complete and comes wholly from one run.
void tst_savefaults::aKillDuringTheExitSaveLeavesTheOldOrTheNewFile() {
    const int runs = workload(200, 60);
    QTemporaryDir folder(scratchPattern());
    const QString path = folder.filePath(kFile);
    {
        QProcess first;
        QVERIFY(startSaver(first, folder.path(), 1000));
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
    }
    std::mt19937 engine(99);
    int stored = 1000;
    int keptOld = 0;
    int tookNew = 0;
    for (int run = 1; run <= runs; ++run) {
        const int generation = 1000 + 10 * run;
        QProcess saver;
        QVERIFY(startSaver(saver, folder.path(), generation));
        QByteArray said;
        while (!said.contains("saving") && saver.waitForReadyRead(60000))
            said += saver.readAllStandardOutput();
        QVERIFY2(said.contains("saving"), "the saver never got to its exit save");
        usleep(engine() % 4000);
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(60000));

        const QString badlyWritten = notAsTheGameWritesIt(path);
        QVERIFY2(badlyWritten.isEmpty(),
                 qPrintable(QStringLiteral("run %1, torn: %2").arg(run).arg(badlyWritten)));
        const int found = generationIn(documentedReadings(path));
        QVERIFY2(found == stored || found == generation,
                 qPrintable(QStringLiteral("run %1: colours of run %2").arg(run).arg(found)));
        (found == stored ? keptOld : tookNew) += 1;
        stored = found;
    }
    // A lock file left behind by a killed run must not stop the next one from saving.
    QProcess last;
    QVERIFY(startSaver(last, folder.path(), 7));
    QVERIFY(last.waitForFinished(60000));
    QCOMPARE(generationIn(documentedReadings(path)), 7);
    qInfo("%d runs killed while saving: %d left the old file, %d the new one", runs, keptOld,
          tookNew);
}

// Found by the kill test: a run killed while it created the lock file left it empty, and the
// next run's save froze the game for half a minute until QSettings gave up on the lock.
void tst_savefaults::aLockFileLeftEmptyByACrashIsCleared() {
    QTemporaryDir folder(scratchPattern());
    const QString lock = folder.filePath(kFile + QStringLiteral(".lock"));
    QFile empty(lock);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QSettingsStore store(folder.path());
    QCOMPARE(store.GetSetting(QStringLiteral("quadrello"), QStringLiteral("color"),
                              QStringLiteral("numcolor"), QStringLiteral("128")),
             QStringLiteral("128"));
    QVERIFY2(!QFileInfo::exists(lock), "the broken lock is still there");
    store.SaveSetting(QStringLiteral("quadrello"), QStringLiteral("color"),
                      QStringLiteral("NumColor"), QStringLiteral("255"));
    store.flush();
    QCOMPARE(documentedReadings(folder.filePath(kFile)).colors[0], 255);
}

// Results stored before are worth more than anything the game could say about a folder it
// cannot write to: it plays on silently, and the file stays as it was.
void tst_savefaults::aReadOnlyFolderKeepsWhatWasStored() {
    QTemporaryDir folder(scratchPattern());
    const QString path = folder.filePath(kFile);
    {
        QProcess saver;
        QVERIFY(startSaver(saver, folder.path(), 500));
        QVERIFY(saver.waitForFinished(60000));
    }
    const QByteArray before = contentOf(path);
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    {
        const PlainUser plain;
        QSettingsStore store(folder.path());
        TestGame game(store, 3);
        QCOMPARE(generationIn(game.readings()), 500);
        const QString fault = playChangeAndClose(game);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner));
    QCOMPARE(contentOf(path), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{kFile});
}

// With no home folder (and none that can be made) the game starts on the defaults and plays.
void tst_savefaults::aMissingHomeFolderIsNotAProblem() {
    QTemporaryDir parent(scratchPattern());
    const QString home = parent.filePath(QStringLiteral("gone/home"));
    QVERIFY(QFile::setPermissions(parent.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    QString fault;
    Readings readings;
    {
        const PlainUser plain;
        QSettingsStore store;
        TestGame game(store, 4);
        readings = game.readings();
        fault = playChangeAndClose(game);
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    QVERIFY(QFile::setPermissions(parent.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(readings == documentedReadings(QStringLiteral("/nonexistent/quadrello.conf")));
    QVERIFY(!QFileInfo::exists(home));
}

// A disk with no room left: the save fails, and the file from before is still whole. On a
// machine that lets the test mount a tiny tmpfs the disk really is full; elsewhere a file size
// limit makes every write past a few hundred bytes fail the same way.
void tst_savefaults::aFullDiskKeepsWhatWasStored() {
    QTemporaryDir parent(scratchPattern());
    const QString folder = parent.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    const bool mounted =
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=32k"), QStringLiteral("tmpfs"), folder}) == 0;
    const QString path = folder + u'/' + kFile;
    {
        QProcess saver;
        QVERIFY(startSaver(saver, folder, 600));
        QVERIFY(saver.waitForFinished(60000));
    }
    const QByteArray before = contentOf(path);
    QVERIFY(!before.isEmpty());
    QString fault;
    Readings readings;
    if (mounted) {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        QSettingsStore store(folder);
        TestGame game(store, 5);
        readings = game.readings();
        fault = playChangeAndClose(game);
    } else {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QSettingsStore store(folder);
        TestGame game(store, 5);
        readings = game.readings();
        rlimit tiny = saved;
        tiny.rlim_cur = 256;
        setrlimit(RLIMIT_FSIZE, &tiny);
        fault = playChangeAndClose(game);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    const QByteArray after = contentOf(path);
    if (mounted)
        QProcess::execute(QStringLiteral("umount"), {folder});
    qInfo(mounted ? "a full 32 KB tmpfs"
                  : "a 256-byte file size limit (no tmpfs could be mounted)");
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(generationIn(readings), 600);
    QCOMPARE(after, before);
}

QTEST_MAIN(tst_savefaults)
#include "tst_savefaults.moc"
