// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadbench.h"

#include "benchstats.h"
#include "benchwindow.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "libheifdecode.h"
#include "libjpegeighth.h"
#include "paintcounter.h"
#include "pictures/frmpic.h"
#include "pictures/pictureloader.h"
#include "processmemory.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kLabelWidth = 34;

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The floor: the cheapest way Qt offers to get this file at the board's size.
QImage readScaled(const QString& path) {
    QImageReader reader(path);
    reader.setScaledSize(PictureBoardSize);
    return reader.read();
}

// The naive way: the whole picture first, then scaled once.
QImage readWholeThenScale(const QString& path) {
    QImageReader reader(path);
    return reader.read().scaled(PictureBoardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Everything that shows the picture: every tile of the three boards, the sample and the
// preview window. Each holder's pixmap is identified by its cache key.
QList<qint64> shownPictures(frmmain& window) {
    QList<qint64> keys;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const BoardView* view = window.boardView(slot);
        for (int c = 0; c < view->grid().cellCount(); ++c) {
            if (!view->cell(c)->isEmptyBox())
                keys << view->cell(c)->image()->picture().cacheKey();
        }
    }
    keys << window.findChild<QLabel*>(QStringLiteral("imgsam"))->pixmap().cacheKey();
    const frmpic* preview = window.previewWindow();
    keys << (preview ? preview->findChild<QLabel*>()->pixmap().cacheKey() : 0);
    return keys;
}

// True when every holder has a picture and none still has the one it had before.
bool allHoldNew(const QList<qint64>& before, const QList<qint64>& after) {
    for (int i = 0; i < after.size(); ++i) {
        if (after[i] == 0 || (i < before.size() && after[i] == before[i]))
            return false;
    }
    return true;
}

std::set<int> tilesOf(const BoardView* view) {
    std::set<int> tiles;
    for (int c = 0; c < view->grid().cellCount(); ++c) {
        if (!view->cell(c)->isEmptyBox())
            tiles.insert(c);
    }
    return tiles;
}

bool isJpeg(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

bool isHeif(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("heic") || suffix == QLatin1String("avif");
}

// The least a reader of this file can do: Qt's reader at the board's size, or libheif's whole
// decode for the formats Qt does not read.
bool readFloor(const QString& path) {
    return isHeif(path) ? decodeWithLibheif(path).isValid() : !readScaled(path).isNull();
}

QString describe(const QString& path) {
    const QSize size = isHeif(path) ? decodeWithLibheif(path) : QImageReader(path).size();
    return QStringLiteral("%1 %2×%3")
        .arg(QFileInfo(path).fileName())
        .arg(size.width())
        .arg(size.height());
}

} // namespace

bool benchLoads(BenchWindow& bench, PaintCounter& paints, const QStringList& files, int runs,
                int fullRuns) {
    frmmain& window = bench.window();
    bool allLoaded = true;
    struct Result {
        Samples game, drop, shown, floor, full, eighth;
    };
    QList<Result> results;
    // Each way of loading must reach every board, the sample and the preview.
    const auto reached = [&](const QList<qint64>& before, const QString& file) {
        if (allHoldNew(before, shownPictures(window)))
            return true;
        std::fprintf(stderr,
                     "%s: the picture did not reach every board, the sample and the "
                     "preview\n",
                     qPrintable(file));
        return allLoaded = false;
    };
    for (const QString& file : files) {
        Result r;
        // The first load of each kind fills the file cache and loads the decoder.
        bench.loadPicture(file);
        readFloor(file);
        // Taking turns, so that whatever else the machine does hits all of them alike.
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            allLoaded = readFloor(file) && allLoaded;
            r.floor.add(elapsedMs(timer));

            QList<qint64> before = shownPictures(window);
            paints.reset();
            const double held = bench.loadPicture(file);
            timer.start();
            const int slot = window.shownSlot();
            allLoaded = paints.waitForCells(slot, tilesOf(window.boardView(slot))) && allLoaded;
            reached(before, file);
            r.game.add(held);
            r.shown.add(held + elapsedMs(timer));

            before = shownPictures(window);
            r.drop.add(bench.dropPicture(file));
            reached(before, file);

            if (isJpeg(file)) {
                timer.start();
                allLoaded = decodeEighthWithLibjpeg(file) && allLoaded;
                r.eighth.add(elapsedMs(timer));
            }
            if (i < fullRuns && !isHeif(file)) {
                timer.start();
                readWholeThenScale(file);
                r.full.add(elapsedMs(timer));
            }
        }
        results << r;
    }

    std::printf("Picture load (ms; %d runs, %d of the whole decode): game = file chosen in Load "
                "Pic → every board, the sample and the preview hold it; drop = the same for a "
                "file dropped on the window;\n  floor = QImageReader with setScaledSize(420×325) "
                "alone, for HEIC and AVIF libheif alone decoding the whole picture (it cannot "
                "decode smaller);\n  libjpeg ⅛ = libjpeg alone decoding the file at an eighth of "
                "its size, the least any JPEG reader built on it does; whole = full decode, then "
                "QImage::scaled\n",
                runs, fullRuns);
    std::printf("  %s%s%s%s%s%s%s%s%s%s\n", pad("picture", kLabelWidth).c_str(),
                pad("game", 22).c_str(), pad("drop", 22).c_str(),
                pad("+ board on screen", 22).c_str(), pad("floor", 22).c_str(),
                pad("libjpeg ⅛", 22).c_str(), pad("whole", 24).c_str(),
                pad("game÷floor ≤1.3", 18).c_str(), pad("drop÷game", 11).c_str(), "game÷libjpeg ⅛");
    for (int i = 0; i < files.size(); ++i) {
        const Result& r = results[i];
        const bool jpeg = isJpeg(files[i]);
        const std::string floorVerdict = ratio(r.game.median(), r.floor.median()) + " " +
                                         verdict(r.game.median() <= 1.3 * r.floor.median());
        std::printf(
            "  %s%s%s%s%s%s%s%s%s%s\n", pad(describe(files[i]).toStdString(), kLabelWidth).c_str(),
            pad(spread(r.game), 22).c_str(), pad(spread(r.drop), 22).c_str(),
            pad(spread(r.shown), 22).c_str(), pad(spread(r.floor), 22).c_str(),
            pad(jpeg ? spread(r.eighth) : std::string("–"), 22).c_str(),
            pad(r.full.count() ? spread(r.full) : std::string("–"), 24).c_str(),
            pad(floorVerdict, 18).c_str(), pad(ratio(r.drop.median(), r.game.median()), 11).c_str(),
            jpeg ? ratio(r.game.median(), r.eighth.median()).c_str() : "–");
    }
    std::printf("\n");
    return allLoaded;
}

bool checkTurnedPhoto(BenchWindow& bench, const QString& file) {
    frmmain& window = bench.window();
    QElapsedTimer timer;
    const double ms = bench.loadPicture(file);
    timer.start();
    readScaled(file);
    const double floorMs = elapsedMs(timer);
    const QImage board = window.boardView(kSlot5x5)->cell(0)->image()->picture().toImage();
    const auto colourAt = [&board](double fx, double fy) {
        return board.pixelColor(int(fx * board.width()), int(fy * board.height()));
    };
    const bool upright = board.size() == PictureBoardSize && colourAt(0.25, 0.25).red() > 200 &&
                         colourAt(0.25, 0.25).green() < 60 && colourAt(0.75, 0.25).green() > 200 &&
                         colourAt(0.75, 0.25).red() < 60 && colourAt(0.25, 0.75).blue() > 200 &&
                         colourAt(0.25, 0.75).red() < 60 && colourAt(0.75, 0.75).red() > 200 &&
                         colourAt(0.75, 0.75).green() > 200;
    std::printf("Exif orientation: %s, tagged \"turn 90°\": board picture %d×%d, %s (load %.1f ms, "
                "floor %.1f ms)\n\n",
                qPrintable(describe(file)), board.width(), board.height(),
                upright ? "upright and stretched to the board: ok" : "NOT UPRIGHT", ms, floorMs);
    return upright;
}

int memoryProbe(const QString& how, const QString& file) {
    std::unique_ptr<BenchWindow> bench;
    if (how == QLatin1String("game")) {
        bench = std::make_unique<BenchWindow>();
        if (!bench->waitUntilActive())
            return 2;
    }
    settle(300);
    if (!resetPeakMemory())
        return 3;
    const ProcessMemory before = processMemory();
    QImage image;
    bool loaded = false;
    if (bench) {
        bench->loadPicture(file);
        loaded = !bench->window().boardView(kSlot5x5)->cell(0)->image()->picture().isNull();
    } else {
        image = how == QLatin1String("floor") ? readScaled(file) : readWholeThenScale(file);
        loaded = !image.isNull();
    }
    settle(300);
    const ProcessMemory after = processMemory();
    std::printf("rss_before=%ld rss_after=%ld hwm_after=%ld loaded=%d\n", before.rssKb, after.rssKb,
                after.hwmKb, loaded ? 1 : 0);
    return 0;
}

bool benchLoadMemory(const QString& self, const QString& photo24, const QString& photo48,
                     const QString& heic, const QString& avif, const QString& heic48,
                     const QString& avif48, int runs) {
    struct Probe {
        const char* label;
        QString how;
        QString file;
        Samples growth, peak;
        bool loaded = true;
    };
    Probe probes[] = {
        {"24 MP, game", QStringLiteral("game"), photo24, {}, {}},
        {"24 MP, floor (reader+scaled)", QStringLiteral("floor"), photo24, {}, {}},
        {"24 MP, whole decode + scale", QStringLiteral("full"), photo24, {}, {}},
        {"48 MP, game", QStringLiteral("game"), photo48, {}, {}},
        {"12 MP HEIC, game", QStringLiteral("game"), heic, {}, {}},
        {"12 MP AVIF, game", QStringLiteral("game"), avif, {}, {}},
        {"48 MP HEIC, game", QStringLiteral("game"), heic48, {}, {}},
        {"48 MP AVIF, game", QStringLiteral("game"), avif48, {}, {}},
    };
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        for (Probe& probe : probes) {
            QProcess process;
            process.start(self, {QStringLiteral("--memory-probe"), probe.how, probe.file});
            if (!process.waitForFinished(60000) || process.exitCode() != 0) {
                std::fprintf(stderr, "memory probe %s failed (exit %d)\n", probe.label,
                             process.exitCode());
                ok = false;
                continue;
            }
            QHash<QString, long> values;
            for (const QByteArray& pair : process.readAllStandardOutput().trimmed().split(' ')) {
                const QList<QByteArray> kv = pair.split('=');
                if (kv.size() == 2)
                    values.insert(QString::fromLatin1(kv[0]), kv[1].toLong());
            }
            probe.growth.add(double(values.value(QStringLiteral("rss_after")) -
                                    values.value(QStringLiteral("rss_before"))) /
                             1024.0);
            probe.peak.add(double(values.value(QStringLiteral("hwm_after")) -
                                  values.value(QStringLiteral("rss_before"))) /
                           1024.0);
            probe.loaded = probe.loaded && values.value(QStringLiteral("loaded")) == 1;
        }
    }
    std::printf("Memory of one load (MB; a fresh process each time, %d runs): RSS growth = VmRSS "
                "after − before, peak = VmHWM − VmRSS before\n",
                runs);
    std::printf("  %s%s%s%s\n", pad("", kLabelWidth).c_str(), pad("RSS growth", 24).c_str(),
                pad("peak growth", 24).c_str(), "loaded");
    for (const Probe& probe : probes) {
        std::printf("  %s%s%s%s\n", pad(probe.label, kLabelWidth).c_str(),
                    pad(spread(probe.growth), 24).c_str(), pad(spread(probe.peak), 24).c_str(),
                    probe.loaded ? "yes" : "NO");
    }
    for (const int game : {0, 4, 5, 6, 7}) {
        const double growth = probes[game].growth.median();
        std::printf("  %s%s%s%s\n",
                    pad(std::string(probes[game].label) + ": RSS growth", kLabelWidth).c_str(),
                    pad(format("%.1f MB", growth), 24).c_str(), pad("≤ 8 MB", 24).c_str(),
                    verdict(growth <= 8.0).c_str());
    }
    std::printf("\n");
    return ok && std::all_of(std::begin(probes) + 3, std::end(probes),
                             [](const Probe& probe) { return probe.loaded; });
}
