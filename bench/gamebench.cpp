// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// In-process figures of the game: picture loads, moves and scrambles, measured in the real main
// window on the screen (run it on an X display, e.g. Xvfb).
#include "app/classiclook.h"
#include "benchwindow.h"
#include "loadbench.h"
#include "paintcounter.h"
#include "playbench.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QtPlugin>
#include <cstdio>

// Built like the game: its style, fonts and reader of built-in pictures.
Q_IMPORT_PLUGIN(BuiltInPngPlugin)

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    useClassicLook();
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--memory-probe"))
        return memoryProbe(args[2], args[3]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times picture loads, moves and scrambles."));
    parser.addHelpOption();
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Folder written by quadrello_makepictures."),
                                      QStringLiteral("folder"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Loads per picture."),
                                  QStringLiteral("n"), QStringLiteral("15"));
    const QCommandLineOption fullRuns(QStringLiteral("full-runs"),
                                      QStringLiteral("Whole decodes per picture (slow)."),
                                      QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption moves(QStringLiteral("moves"), QStringLiteral("Moves per grid size."),
                                   QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption scrambles(QStringLiteral("scrambles"),
                                       QStringLiteral("Scrambles per grid size."),
                                       QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption memoryRuns(QStringLiteral("memory-runs"),
                                        QStringLiteral("Fresh processes per memory figure."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    parser.addOptions({pictures, runs, fullRuns, moves, scrambles, memoryRuns});
    parser.process(app);
    if (!parser.isSet(pictures)) {
        std::fprintf(stderr, "--pictures is required\n");
        return 64;
    }
    const QDir folder(parser.value(pictures));
    const auto file = [&folder](const char* name) {
        return folder.filePath(QLatin1String(name));
    };
    const QStringList loads{file("photo-12mp.jpg"),   file("photo-24mp.jpg"),
                            file("photo-48mp.jpg"),   file("smooth-24mp.jpg"),
                            file("picture-12mp.png"), file("picture-12mp.gif"),
                            file("photo-12mp.heic"),  file("photo-12mp.avif"),
                            file("photo-48mp.heic"),  file("photo-48mp.avif")};

    BenchWindow bench;
    if (!bench.waitUntilActive()) {
        std::fprintf(stderr, "the main window did not become active\n");
        return 2;
    }
    PaintCounter paints(bench.window());
    bool ok = benchLoads(bench, paints, loads, parser.value(runs).toInt(),
                         parser.value(fullRuns).toInt());
    ok = checkTurnedPhoto(bench, file("turned-24mp.jpg")) && ok;
    ok = benchLoadMemory(QApplication::applicationFilePath(), file("photo-24mp.jpg"),
                         file("photo-48mp.jpg"), file("photo-12mp.heic"), file("photo-12mp.avif"),
                         file("photo-48mp.heic"), file("photo-48mp.avif"),
                         parser.value(memoryRuns).toInt()) &&
         ok;
    ok = benchPlay(bench, paints, parser.value(moves).toInt(), parser.value(scrambles).toInt()) &&
         ok;
    std::fflush(stdout);
    return ok ? 0 : 1;
}
