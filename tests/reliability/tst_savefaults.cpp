// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reliability/stressgame.h"
#include "settings/frmcolor.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kFile = "quadrello.conf";
const QByteArray kStored = "[color]\nNumColor=500\n[Scores1]\ntop0=37\nNam0=\" Ada\"\n";

} // namespace

class tst_savefaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit just fails
    }

    // A run killed while QSettings created its lock file leaves it empty, and the next save would
    // freeze the game for half a minute until QSettings gave up on the lock.
    void anEmptyLockFileLeftByAKilledSaveIsCleared() {
        QTemporaryDir folder;
        const QString lock = written(folder.filePath(kFile + ".lock"), {});
        QSettingsStore(folder.path()).GetSetting("quadrello", "color", "NumColor", "");
        QVERIFY2(!QFileInfo::exists(lock), "the broken lock is still there");
    }

    // A run killed while saving leaves its links behind, and they cost no later save.
    void linksLeftByAKilledSaveCostNothing() {
        QTemporaryDir folder;
        for (const char* left : {".kept", ".check1", ".check2"})
            QVERIFY(!written(folder.filePath(kFile + left), kStored).isEmpty());
        {
            QSettingsStore store(folder.path());
            store.SaveSetting("quadrello", "color", "NumColor", "7");
            store.flush();
            store.SaveSetting("quadrello", "color", "BkColor", "8");
        }
        QCOMPARE(contentOf(folder.filePath(kFile)), "[color]\nBkColor=8\nNumColor=7\n");
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{kFile});
    }

    void whatTheGameCannotReadOrWriteIsLeftAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("filePermissions");
        QTest::addColumn<int>("folderPermissions");
        QTest::addColumn<QString>("storeFolder"); // inside the test's folder
        QTest::addColumn<int>("sizeLimit");       // for every file written, 0 for none
        QTest::addColumn<int>("numColor");        // as the game reads it
        QTest::newRow("a read-only folder") << kFile << 0444 << 0555 << "" << 0 << 500;
        // A save that cannot replace the file as a whole must not rewrite it in place.
        QTest::newRow("a read-only folder, the file writable")
            << kFile << 0666 << 0555 << "" << 0 << 500;
        QTest::newRow("an unreadable file") << kFile << 0 << 0777 << "" << 0 << 128;
        QTest::newRow("a folder in the file's place")
            << kFile + "/kept" << 0644 << 0777 << "" << 0 << 128;
        // The folder the game takes from a home (~/.config/quadrello) that is gone and cannot be
        // made again: it plays and makes none.
        QTest::newRow("a missing home")
            << kFile << 0644 << 0555 << "gone/home/.config/quadrello" << 0 << 128;
        // A write past the limit fails as on a full disk, and the file is one the player may write.
        QTest::newRow("a full disk") << kFile << 0666 << 0777 << "" << 256 << 500;
    }

    // Results stored before are worth more than anything the game could say about a file it cannot
    // read or a folder it cannot write to: it plays on silently, and what is there stays as it was.
    void whatTheGameCannotReadOrWriteIsLeftAlone() {
        QFETCH(QString, file);
        QFETCH(int, filePermissions);
        QFETCH(int, folderPermissions);
        QFETCH(QString, storeFolder);
        QFETCH(int, sizeLimit);
        QFETCH(int, numColor);
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && !written(path, kStored).isEmpty());
        QCOMPARE(chmod(qPrintable(path), filePermissions) |
                     chmod(qPrintable(folder.path()), folderPermissions),
                 0);
        {
            const PlainUser player;
            QSettingsStore store(folder.filePath(storeFolder));
            StoredGame game(store);
            QCOMPARE(game.window.colorWindow()->numColor(), numColor);
            rlimit fileSize{};
            getrlimit(RLIMIT_FSIZE, &fileSize);
            const rlimit limited{rlim_t(sizeLimit), fileSize.rlim_max};
            QVERIFY(sizeLimit == 0 || setrlimit(RLIMIT_FSIZE, &limited) == 0);
            // Plays a little, saves a long name, which QSettings writes a moment later on its
            // own, and closes, which saves everything. Nothing may be left open, such as a
            // message about the settings.
            QString fault = play(game.window);
            store.SaveSetting("quadrello", "Scores0", "Nam0", QString(300, u'a'));
            QCoreApplication::processEvents();
            game.window.close();
            for (const QWidget* w : QApplication::topLevelWidgets())
                fault += w->isVisible() ? w->windowTitle() + " is shown" : QString();
            setrlimit(RLIMIT_FSIZE, &fileSize);
            QCOMPARE(fault, QString());
        }
        QCOMPARE(chmod(qPrintable(folder.path()), 0700) | chmod(qPrintable(path), 0600), 0);
        QCOMPARE(contentOf(path), kStored);
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{kFile});
    }
};

QTEST_MAIN(tst_savefaults)
#include "tst_savefaults.moc"
