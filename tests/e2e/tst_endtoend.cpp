// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program, started as a player starts it, on a virtual X screen of its own, with a
// fresh settings folder. Keys and mouse clicks are real X events (xdotool); what the game shows
// is read back from screenshots (ImageMagick's import) and what it stores from its settings
// file. The functions run in order, one game session from the splash to the exit.
#include "board/board.h"
#include "board/gridgeometry.h"
#include "support/boardtext.h"
#include "support/solver.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

namespace {

// Blue of every pixel of the test picture; its red grows to the right and its green downwards,
// from 0 in the first column and row to 255 in the last (kLastX, kLastY), so any piece of it
// tells where in the picture it belongs.
constexpr int kBlue = 40;
constexpr int kLastX = 419;
constexpr int kLastY = 324;
// Generous: the sanitizer build of the program starts and draws several times slower.
constexpr int kPatienceMs = 30000;
// The key of each way a tile slides, in the order of Slide.
const QStringList kArrows{"Right", "Left", "Down", "Up"};
const QStringList kPreferences{"--name", "^Select the splitting$"};

bool near(int value, int wanted) {
    return std::abs(value - wanted) <= 8;
}

} // namespace

class tst_endtoend : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QProcess xvfb_;
    QProcess game_;
    QProcess source_; // the last drag source
    QProcessEnvironment env_;
    QString main_;
    QPoint board_{-1, -1}; // where the boards' top-left corner shows in the main window

    // What the program wrote to its standard output, or nothing when it failed.
    QByteArray run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(program, args);
        // One that hangs is killed as its QProcess goes.
        if (p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return p.readAllStandardOutput().trimmed();
        return {};
    }

    QByteArray xdotool(const QStringList& args) { return run("xdotool", args); }

    // The first window that xdotool's `search` finds once it shows, or once nothing matches any
    // more when not `shown`; empty when that takes too long.
    QString waitForWindow(const QStringList& search, bool shown = true) {
        for (QDeadlineTimer deadline(kPatienceMs); !deadline.hasExpired(); QTest::qWait(100)) {
            const QByteArray found = xdotool(QStringList{"search", "--onlyvisible"} + search);
            if (found.isEmpty() != shown)
                return shown ? QString::fromLatin1(found.split('\n').constFirst()) : search.last();
        }
        return {};
    }

    // Without a window manager nobody hands out the keyboard focus, so it is given explicitly.
    void keys(const QString& window, const QStringList& names, const char* command = "key") {
        xdotool({"windowfocus", "--sync", window});
        xdotool(QStringList{QLatin1String(command), "--delay", "40"} + names);
    }

    QImage screenshot(const QString& window) {
        return QImage::fromData(run("import", {"-silent", "-window", window, "png:-"}));
    }

    // The drag source's next line. What it said may already wait in the buffer, read while
    // another process was run, so waiting for new output alone could miss it.
    QByteArray sourceSays() {
        while (!source_.canReadLine() && source_.waitForReadyRead(kPatienceMs)) {
        }
        return source_.readLine();
    }

    // Drags the files from a window of their own onto the board, the mouse moving in steps as a
    // hand moves it; returns whether the game took the drop.
    bool drop(const QStringList& files) {
        source_.kill();
        source_.waitForFinished();
        source_.setProcessEnvironment(env_);
        source_.start(QStringLiteral(QUADRELLO_DRAGSOURCE), files);
        const QString window = waitForWindow({"--pid", QString::number(source_.processId())});
        if (sourceSays() != "ready\n")
            return false;
        xdotool({"mousemove", "--window", window, "60", "40", "mousedown", "1"});
        for (int step = 0; step <= 10; ++step) {
            QTest::qWait(50);
            const QPoint at = board_ + QPoint(10, 10) * step;
            xdotool(
                {"mousemove", "--window", main_, QString::number(at.x()), QString::number(at.y())});
        }
        // The game answers each position, and the source drops only once the last answer has come:
        // the pointer rests on the board a while (long for a busy machine) and moves once more.
        QTest::qWait(1000);
        xdotool({"mousemove_relative", "1", "1"});
        QTest::qWait(300);
        xdotool({"mouseup", "1"});
        const bool taken = sourceSays() == "taken\n";
        if (!taken) // a drag left hanging would hold the keyboard
            source_.kill();
        return taken;
    }

    // The arrangement of a board as the screen shows it: each cell's centre tells which piece of
    // the picture, and so which tile, stands there; the cell without a piece is the empty box.
    std::optional<Board> readBoard(int slot) {
        const QImage shot = screenshot(main_);
        const GridGeometry& grid = kGrids[unsigned(slot)];
        std::vector<CellPos> positions(unsigned(grid.cellCount()), CellPos{-1, -1});
        for (int cell = 0; cell < grid.cellCount(); ++cell) {
            const CellPos at{cell % grid.n, cell / grid.n};
            const QColor c = shot.pixelColor(board_ + QPoint(at.col * grid.stepW + grid.stepW / 2,
                                                             at.row * grid.stepH + grid.stepH / 2));
            const int tile = !near(c.blue(), kBlue)
                                 ? grid.emptyIndex()
                                 : c.green() * kLastY / 255 / grid.stepH * grid.n +
                                       c.red() * kLastX / 255 / grid.stepW;
            if (tile > grid.emptyIndex() || positions[unsigned(tile)].col >= 0)
                return std::nullopt;
            positions[unsigned(tile)] = at;
        }
        Board board(grid.n);
        board.setPositions(positions);
        return board;
    }

    // Events reach the game in order but are drawn a little later: the board is read until two
    // readings in a row agree and show what is wanted.
    Board waitForSteadyBoard(int slot, const std::function<bool(const Board&)>& wanted) {
        std::optional<Board> last;
        for (QDeadlineTimer deadline(kPatienceMs); !deadline.hasExpired(); QTest::qWait(100)) {
            std::optional<Board> now = readBoard(slot);
            if (now && last && now->positions() == last->positions() && wanted(*now))
                return *now;
            last = std::move(now);
        }
        return last.value_or(Board(kGrids[unsigned(slot)].n));
    }

private slots:
    void initTestCase() {
        // -displayfd makes Xvfb pick a free display and write its number to standard output.
        xvfb_.start("Xvfb",
                    {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        QByteArray display;
        while (!display.endsWith('\n') && xvfb_.waitForReadyRead(10000))
            display += xvfb_.readAllStandardOutput();
        if (!display.endsWith('\n'))
            QSKIP("Xvfb cannot be started here (is the xvfb package installed?): the game is not "
                  "tested on a real X server");
        for (const char* tool : {"xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.remove("QT_QPA_PLATFORM");
        env_.remove("WAYLAND_DISPLAY");
        env_.insert("DISPLAY", u':' + QString::fromLatin1(display.trimmed()));
        env_.insert("HOME", home_.path());
        env_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        game_.setProcessEnvironment(env_);
        game_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Arguments, Qt's own included, change nothing: the game shows on this X screen.
        game_.start(QStringLiteral(QUADRELLO_BINARY), {"-platform", "offscreen", "-reverse"});
        QVERIFY2(game_.waitForStarted(), QUADRELLO_BINARY);
    }

    // The game, if still running, goes with its QProcess.
    void cleanupTestCase() {
        source_.kill();
        source_.waitForFinished();
        xvfb_.terminate();
        xvfb_.waitForFinished();
    }

    void aKeyOnTheSplashOpensTheMainWindow() {
        // The splash has no caption; it is the program's only window at first.
        const QString splash = waitForWindow({"--class", "quadrello"});
        QVERIFY2(!splash.isEmpty(), "the splash window never showed");
        keys(splash, {"a"});
        main_ = waitForWindow({"--name", "^Quadrello$"});
        QVERIFY2(!main_.isEmpty(), "the main window never showed");
    }

    // The picture shows on the 4x4 board in order; where its first piece shows is where the boards
    // stand, below a menu bar whose height is the toolkit's business.
    void aPictureLoadsThroughTheFileDialog() {
        QImage picture(kLastX + 1, kLastY + 1, QImage::Format_RGB32);
        for (int y = 0; y <= kLastY; ++y) {
            for (int x = 0; x <= kLastX; ++x)
                picture.setPixel(x, y, qRgb(x * 255 / kLastX, y * 255 / kLastY, kBlue));
        }
        const QString path = home_.filePath("gradient.png");
        QVERIFY(picture.save(path));
        keys(main_, {"alt+l"});
        const QStringList select{"--name", "^Select A Pic$"};
        const QString dialog = waitForWindow(select);
        QVERIFY2(!dialog.isEmpty(), "the file dialog never showed");
        keys(dialog, {path}, "type");
        keys(dialog, {"Return"});
        QVERIFY(!waitForWindow(select, false).isEmpty());
        for (QDeadlineTimer deadline(kPatienceMs); board_.x() < 0 && !deadline.hasExpired();
             QTest::qWait(100)) {
            const QImage shot = screenshot(main_);
            for (int at = 0; at < shot.width() * shot.height() && board_.x() < 0; ++at) {
                const QColor c = shot.pixelColor(at % shot.width(), at / shot.width());
                if (c.red() < 8 && c.green() < 8 && near(c.blue(), kBlue))
                    board_ = QPoint(at % shot.width(), at / shot.width());
            }
        }
        QVERIFY2(board_.x() >= 0, "the picture never showed");
        QVERIFY(
            waitForSteadyBoard(kSlot4x4, [](const Board& b) { return b.isSolved(); }).isSolved());
    }

    // A phone's photo dropped on the window shows on the board; a folder is refused; of several
    // files the first loads.
    void aDroppedFileLoads() {
        QImage blue(64, 48, QImage::Format_RGB32);
        blue.fill(qRgb(0, 0, 200));
        const QString png = home_.filePath("blue.png");
        const QString heic = home_.filePath("blue.heic");
        QVERIFY(blue.save(png));
        run("heif-enc", {png, "-o", heic});
        QVERIFY(drop({heic}));
        const QPoint piece = board_ + QPoint(kGrids[kSlot4x4].stepW, kGrids[kSlot4x4].stepH) / 2;
        QTRY_VERIFY_WITH_TIMEOUT(near(screenshot(main_).pixelColor(piece).blue(), 200),
                                 kPatienceMs);
        QVERIFY(!drop({home_.path()}));
        QVERIFY(drop({home_.filePath("gradient.png"), heic}));
        QVERIFY(
            waitForSteadyBoard(kSlot4x4, [](const Board& b) { return b.isSolved(); }).isSolved());
    }

    // The settings folder then holds the settings file alone.
    void aSolvedGameIsStoredWithTheTypedName() {
        keys(main_, {"alt+p"});
        const QString prefer = waitForWindow(kPreferences);
        QVERIFY2(!prefer.isEmpty(), "the preferences window never showed");
        // The "3x3" option, then OK.
        xdotool({"mousemove", "--window", prefer, "66", "48", "click", "1"});
        keys(prefer, {"alt+o"});
        QVERIFY(!waitForWindow(kPreferences, false).isEmpty());
        waitForSteadyBoard(kSlot3x3, [](const Board& b) { return b.isSolved(); });
        keys(main_, {"s"});
        const Board scrambled =
            waitForSteadyBoard(kSlot3x3, [](const Board& b) { return !b.isSolved(); });
        QVERIFY2(!scrambled.isSolved(), "the scramble left the board in order");
        QStringList solution;
        for (const Slide way : solve3x3(scrambled))
            solution << kArrows[int(way)];
        keys(main_, solution);

        const QStringList gameOver{"--name", "^ Game Over$"};
        const QString over = waitForWindow(gameOver);
        QVERIFY2(!over.isEmpty(), "the game-over window never showed");
        // It takes the keyboard itself, so the name can be typed at once.
        QTRY_COMPARE(QString(xdotool({"getwindowfocus"})), over);
        keys(over, {"Ada"}, "type");
        keys(over, {"alt+o"});
        QVERIFY(!waitForWindow(gameOver, false).isEmpty());
        keys(main_, {"alt+x"});
        QVERIFY(game_.waitForFinished(kPatienceMs) && game_.exitStatus() == QProcess::NormalExit);
        QCOMPARE(game_.exitCode(), 0);
        QSettings stored(home_.filePath("config/quadrello/quadrello.conf"), QSettings::IniFormat);
        QCOMPARE(stored.value("Scores2/top0").toString(), QString::number(solution.size()));
        QCOMPARE(stored.value("Scores2/Nam0").toString(), " Ada");
        // Qt's file dialog, used above, kept its history for the run only.
        QStringList files;
        for (QDirIterator it(home_.filePath("config"), QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            files << it.next().mid(home_.filePath("config").size() + 1);
        QCOMPARE(files, QStringList{"quadrello/quadrello.conf"});
    }
};

QTEST_MAIN(tst_endtoend)
#include "tst_endtoend.moc"
