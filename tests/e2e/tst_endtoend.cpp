// The built program, started as a player starts it, on a virtual X screen of its own, with a
// fresh settings folder. Keys and mouse clicks are real X events (xdotool); what the game shows
// is read back from screenshots (ImageMagick's import) and what it stores from its settings
// file. The functions run in order, one game session from the splash to the exit.
#include "board/board.h"
#include "board/gridgeometry.h"
#include "support/solver.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <optional>

namespace {

// Blue of every pixel of the test picture; its red grows to the right and its green downwards,
// so any piece of it tells where in the picture it belongs.
constexpr int kPictureBlue = 40;
constexpr QSize kPictureSize{420, 325};
// Where the boards and buttons sit in the window's client area, below the menu bar.
constexpr QPoint kBoardAt{14, 38};
constexpr QPoint kLoadPicAt{16 + 32, 376 + 12};
constexpr QPoint kExitAt{16 + 32, 408 + 12};
constexpr QPoint kPreferencesAt{448 + 96 + 40, 24 + 32 + 28};
// Inside the preferences window.
constexpr QPoint kOpt1At{56 + 10, 32 + 16};
constexpr QPoint kPreferencesOkAt{8 + 120 + 44, 8 + 24 + 16};
// Generous: the sanitizer build of the program starts and draws several times slower.
constexpr int kPatienceMs = 30000;

QImage gradientPicture() {
    QImage image(kPictureSize, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y,
                qRgb(x * 255 / (image.width() - 1), y * 255 / (image.height() - 1), kPictureBlue));
    }
    return image;
}

struct Result {
    int exitCode = -1;
    QByteArray out;
};

} // namespace

class tst_endtoend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void aKeyOnTheSplashOpensTheMainWindow();
    void theOptionsToggleNarrowsAndWidensTheWindow();
    void aPictureLoadsThroughTheFileDialog();
    void arrowKeysMoveExactlyTheExpectedTiles();
    void haltIgnoresArrowKeys();
    void aSolvedGameIsStoredWithTheTypedName();

private:
    Result run(const QString& program, const QStringList& args, int timeoutMs = 10000);
    Result xdotool(const QStringList& args) { return run(QStringLiteral("xdotool"), args); }
    bool windowShown(const QString& titlePattern);
    QString waitForWindow(const QString& titlePattern);
    bool waitUntilGone(const QString& titlePattern);
    QRect geometry(const QString& window);
    QImage screenshot(const QString& window);
    void click(const QString& window, QPoint at);
    void keys(const QString& window, const QStringList& names);
    std::optional<Board> readBoard(int slot);
    Board waitForSteadyBoard(int slot, const std::function<bool(const Board&)>& wanted);

    QTemporaryDir home_;
    QProcess xvfb_;
    QProcess game_;
    QProcessEnvironment env_;
    QString picturePath_;
    QString main_;
    int menuBarHeight_ = -1;
};

Result tst_endtoend::run(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().trimmed();
    return r;
}

void tst_endtoend::initTestCase() {
    QVERIFY(home_.isValid());
    // -displayfd makes Xvfb pick a free display and write its number to standard output.
    xvfb_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                 QStringLiteral("tcp")});
    if (!xvfb_.waitForStarted(5000))
        QSKIP("Xvfb cannot be started here (is the xvfb package installed?): the game is not "
              "tested on a real X server");
    QByteArray display;
    QDeadlineTimer deadline(10000);
    while (!display.endsWith('\n') && !deadline.hasExpired() &&
           xvfb_.state() == QProcess::Running) {
        xvfb_.waitForReadyRead(200);
        display += xvfb_.readAllStandardOutput();
    }
    if (!display.endsWith('\n'))
        QSKIP(qPrintable(QStringLiteral("Xvfb did not open a display (%1): the game is not "
                                        "tested on a real X server")
                             .arg(QString::fromLocal8Bit(xvfb_.readAllStandardError()))));

    const QString config = home_.filePath(QStringLiteral("config"));
    const QString runtime = home_.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(config) && QDir().mkpath(runtime));
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env_ = QProcessEnvironment::systemEnvironment();
    env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env_.insert(QStringLiteral("DISPLAY"), u':' + QString::fromLatin1(display.trimmed()));
    env_.insert(QStringLiteral("HOME"), home_.path());
    env_.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);

    picturePath_ = home_.filePath(QStringLiteral("gradient.bmp"));
    QVERIFY(gradientPicture().save(picturePath_, "BMP"));

    for (const char* tool : {"xdotool", "import"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);

    game_.setProcessEnvironment(env_);
    game_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game_.start(QStringLiteral(QUADRELLO_BINARY), {});
    QVERIFY2(game_.waitForStarted(), QUADRELLO_BINARY);
}

void tst_endtoend::cleanupTestCase() {
    if (game_.state() != QProcess::NotRunning) {
        game_.kill();
        game_.waitForFinished();
    }
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(5000))
            xvfb_.kill();
        xvfb_.waitForFinished();
    }
}

bool tst_endtoend::windowShown(const QString& titlePattern) {
    const Result r = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), titlePattern});
    return r.exitCode == 0 && !r.out.isEmpty();
}

QString tst_endtoend::waitForWindow(const QString& titlePattern) {
    QDeadlineTimer deadline(kPatienceMs);
    while (!deadline.hasExpired() && game_.state() == QProcess::Running) {
        const Result r = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), titlePattern});
        if (r.exitCode == 0 && !r.out.isEmpty())
            return QString::fromLatin1(r.out.split('\n').constFirst());
        QTest::qWait(100);
    }
    return {};
}

bool tst_endtoend::waitUntilGone(const QString& titlePattern) {
    QDeadlineTimer deadline(kPatienceMs);
    while (windowShown(titlePattern)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(100);
    }
    return true;
}

QRect tst_endtoend::geometry(const QString& window) {
    const Result r =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    QRect g;
    for (const QByteArray& line : r.out.split('\n')) {
        const QList<QByteArray> kv = line.split('=');
        if (kv.size() != 2)
            continue;
        const int v = kv[1].toInt();
        if (kv[0] == "X")
            g.moveLeft(v);
        else if (kv[0] == "Y")
            g.moveTop(v);
        else if (kv[0] == "WIDTH")
            g.setWidth(v);
        else if (kv[0] == "HEIGHT")
            g.setHeight(v);
    }
    return g;
}

QImage tst_endtoend::screenshot(const QString& window) {
    const Result r =
        run(QStringLiteral("import"), {QStringLiteral("-silent"), QStringLiteral("-window"), window,
                                       QStringLiteral("png:-")});
    return QImage::fromData(r.out, "PNG").convertToFormat(QImage::Format_RGB32);
}

void tst_endtoend::click(const QString& window, QPoint at) {
    const QRect g = geometry(window);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(g.x() + at.x()),
             QString::number(g.y() + at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Without a window manager nobody hands out the keyboard focus, so it is given explicitly.
void tst_endtoend::keys(const QString& window, const QStringList& names) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
            names);
}

// The arrangement of a board as the screen shows it: each cell's centre tells which piece of
// the picture, and so which tile, stands there; the cell without a piece is the empty box.
std::optional<Board> tst_endtoend::readBoard(int slot) {
    const QImage shot = screenshot(main_);
    const GridGeometry& grid = kGrids[static_cast<unsigned>(slot)];
    const QPoint origin = kBoardAt + QPoint(0, menuBarHeight_);
    std::vector<CellPos> positions(static_cast<unsigned>(grid.cellCount()), CellPos{-1, -1});
    std::optional<CellPos> empty;
    for (int row = 0; row < grid.n; ++row) {
        for (int col = 0; col < grid.n; ++col) {
            const QPoint centre = origin + QPoint(col * grid.stepW + grid.stepW / 2,
                                                  row * grid.stepH + grid.stepH / 2);
            if (!shot.rect().contains(centre))
                return std::nullopt;
            const QColor c = shot.pixelColor(centre);
            if (std::abs(c.blue() - kPictureBlue) > 8) {
                if (empty)
                    return std::nullopt;
                empty = CellPos{col, row};
                continue;
            }
            const int x = c.red() * (kPictureSize.width() - 1) / 255;
            const int y = c.green() * (kPictureSize.height() - 1) / 255;
            const int tile = y / grid.stepH * grid.n + x / grid.stepW;
            if (tile >= grid.emptyIndex() || positions[static_cast<unsigned>(tile)].col >= 0)
                return std::nullopt;
            positions[static_cast<unsigned>(tile)] = CellPos{col, row};
        }
    }
    if (!empty)
        return std::nullopt;
    positions.back() = *empty;
    Board board(grid.n);
    board.setPositions(positions);
    return board;
}

// Events reach the game in order but are drawn a little later: the board is read until two
// readings in a row agree and show what is wanted.
Board tst_endtoend::waitForSteadyBoard(int slot, const std::function<bool(const Board&)>& wanted) {
    std::optional<Board> last;
    QDeadlineTimer deadline(kPatienceMs);
    while (!deadline.hasExpired()) {
        std::optional<Board> now = readBoard(slot);
        if (now && last && now->positions() == last->positions() && wanted(*now))
            return *now;
        last = std::move(now);
        QTest::qWait(100);
    }
    return last ? *last : Board(kGrids[static_cast<unsigned>(slot)].n);
}

void tst_endtoend::aKeyOnTheSplashOpensTheMainWindow() {
    // The splash has no caption; it is the program's only window at first.
    QString splash;
    QDeadlineTimer deadline(kPatienceMs);
    while (splash.isEmpty() && !deadline.hasExpired()) {
        const Result r = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--class"), QStringLiteral("quadrello")});
        if (r.exitCode == 0 && !r.out.isEmpty())
            splash = QString::fromLatin1(r.out.split('\n').constFirst());
        else
            QTest::qWait(100);
    }
    QVERIFY2(!splash.isEmpty(), "the splash window never showed");
    QCOMPARE(geometry(splash).size(), QSize(536, 228));
    keys(splash, {QStringLiteral("a")});
    main_ = waitForWindow(QStringLiteral("^Quadrello$"));
    QVERIFY2(!main_.isEmpty(), "the main window never showed");
}

void tst_endtoend::theOptionsToggleNarrowsAndWidensTheWindow() {
    const int wide = geometry(main_).width();
    keys(main_, {QStringLiteral("o")});
    QTRY_COMPARE_WITH_TIMEOUT(geometry(main_).width(), wide - 185, kPatienceMs);
    keys(main_, {QStringLiteral("o")});
    QTRY_COMPARE_WITH_TIMEOUT(geometry(main_).width(), wide, kPatienceMs);
}

void tst_endtoend::aPictureLoadsThroughTheFileDialog() {
    keys(main_, {QStringLiteral("alt+l")});
    const QString dialog = waitForWindow(QStringLiteral("^Select A Pic$"));
    QVERIFY2(!dialog.isEmpty(), "the file dialog never showed");
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    xdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("10"), picturePath_});
    keys(dialog, {QStringLiteral("Return")});

    // The menu bar's height is the toolkit's business: it is found by looking for the picture,
    // in solved order on the 4x4 board, below it.
    const QImage picture = gradientPicture();
    QDeadlineTimer deadline(kPatienceMs);
    while (menuBarHeight_ < 0 && !deadline.hasExpired()) {
        const QImage shot = screenshot(main_);
        const GridGeometry& grid = kGrids[kSlot4x4];
        for (int h = 0; h <= 80 && menuBarHeight_ < 0; ++h) {
            bool all = true;
            for (int tile = 0; tile < grid.emptyIndex() && all; ++tile) {
                const QPoint inPicture((tile % grid.n) * grid.stepW + grid.stepW / 2,
                                       (tile / grid.n) * grid.stepH + grid.stepH / 2);
                const QPoint at = kBoardAt + QPoint(0, h) + inPicture;
                if (!shot.rect().contains(at)) {
                    all = false;
                    break;
                }
                const QColor want = picture.pixelColor(inPicture);
                const QColor got = shot.pixelColor(at);
                all = std::abs(got.red() - want.red()) <= 6 &&
                      std::abs(got.green() - want.green()) <= 6 &&
                      std::abs(got.blue() - want.blue()) <= 6;
            }
            if (all)
                menuBarHeight_ = h;
        }
        if (menuBarHeight_ < 0)
            QTest::qWait(200);
    }
    QVERIFY2(menuBarHeight_ >= 0, "the picture never showed on the board");
    QVERIFY(waitUntilGone(QStringLiteral("^Select A Pic$")));
}

void tst_endtoend::arrowKeysMoveExactlyTheExpectedTiles() {
    Board expected(4);
    const QList<QPair<QString, Slide>> presses{
        {QStringLiteral("Right"), Slide::Right}, {QStringLiteral("Down"), Slide::Down},
        {QStringLiteral("Down"), Slide::Down},   {QStringLiteral("Left"), Slide::Left},
        {QStringLiteral("Up"), Slide::Up},       {QStringLiteral("Left"), Slide::Left},
        {QStringLiteral("Right"), Slide::Right}};
    // The sixth press finds the empty box at the right edge and moves nothing.
    for (const auto& [key, way] : presses) {
        expected.slide(way);
        keys(main_, {key});
        const Board shown = waitForSteadyBoard(
            kSlot4x4, [&](const Board& b) { return b.positions() == expected.positions(); });
        QVERIFY2(shown.positions() == expected.positions(), qPrintable(key));
    }
}

void tst_endtoend::haltIgnoresArrowKeys() {
    const std::optional<Board> before = readBoard(kSlot4x4);
    QVERIFY(before);
    keys(main_, {QStringLiteral("h"), QStringLiteral("Right"), QStringLiteral("Left"),
                 QStringLiteral("Up"), QStringLiteral("Down")});
    // A click queued behind the keys: once the window it opens shows, the keys have been
    // handled too.
    click(main_, kPreferencesAt + QPoint(0, menuBarHeight_));
    QVERIFY2(!waitForWindow(QStringLiteral("^Select the splitting$")).isEmpty(),
             "the preferences window never showed");
    const std::optional<Board> after = readBoard(kSlot4x4);
    QVERIFY(after);
    QVERIFY(after->positions() == before->positions());
}

void tst_endtoend::aSolvedGameIsStoredWithTheTypedName() {
    const QString prefer = waitForWindow(QStringLiteral("^Select the splitting$"));
    QVERIFY(!prefer.isEmpty());
    click(prefer, kOpt1At);
    click(prefer, kPreferencesOkAt);
    QVERIFY(waitUntilGone(QStringLiteral("^Select the splitting$")));

    // The 3x3 board is in order until it is scrambled.
    waitForSteadyBoard(kSlot3x3, [](const Board& b) { return b.isSolved(); });
    keys(main_, {QStringLiteral("s")});
    const Board scrambled =
        waitForSteadyBoard(kSlot3x3, [](const Board& b) { return !b.isSolved(); });
    QVERIFY2(!scrambled.isSolved(), "the scramble left the board in order");

    static const QStringList keyNames{QStringLiteral("Right"), QStringLiteral("Left"),
                                      QStringLiteral("Down"), QStringLiteral("Up")};
    const std::vector<Slide> path = solve3x3(scrambled);
    QVERIFY(!path.empty());
    QStringList solution;
    for (const Slide way : path)
        solution << keyNames[static_cast<int>(way)];
    keys(main_, solution);

    const QString gameOver = waitForWindow(QStringLiteral("^ Game Over$"));
    QVERIFY2(!gameOver.isEmpty(), "the game-over window never showed");
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), gameOver});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
             QStringLiteral("Ada")});
    keys(gameOver, {QStringLiteral("alt+o")});
    QVERIFY(waitUntilGone(QStringLiteral("^ Game Over$")));

    click(main_, kExitAt + QPoint(0, menuBarHeight_));
    QVERIFY(game_.waitForFinished(kPatienceMs));
    QCOMPARE(game_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game_.exitCode(), 0);

    QSettings stored(home_.filePath(QStringLiteral("config/quadrello/quadrello.conf")),
                     QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Scores2/top0")).toString(), QString::number(path.size()));
    QCOMPARE(stored.value(QStringLiteral("Scores2/Nam0")).toString(), QStringLiteral(" Ada"));
    QCOMPARE(stored.value(QStringLiteral("Scores2/top1")).toString(), QStringLiteral("0"));
}

QTEST_MAIN(tst_endtoend)
#include "tst_endtoend.moc"
