// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Redraws every picture of the game into the assets folder named on the command line.
// The pictures are committed; this program is how they are made again after a change.

#include "buttonfaces.h"
#include "keypadicon.h"
#include "puzzlepictures.h"
#include "splash.h"
#include "titlebanner.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>

namespace {

// Every picture a window shows is drawn once for each screen scale, the larger ones under
// Qt's names for them: title.png, title@2x.png, title@3x.png.
constexpr int scales[] = {1, 2, 3};

// Sizes of the hicolor icon theme folders the window icon is drawn for.
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString atScale(const QString& path, int scale) {
    if (scale == 1)
        return path;
    QString scaled = path;
    return scaled.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
}

// The pictures of the windows are PNGs; the pictures to play with are JPEGs, like the photos a
// player brings, at a quality that keeps them sharp and a few hundred kilobytes each.
bool save(const QDir& root, const QString& relativePath, const QImage& image) {
    const QString path = root.filePath(relativePath);
    const bool photo = path.endsWith(QLatin1String(".jpg"));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
        !image.save(path, photo ? "JPEG" : "PNG", photo ? 85 : -1)) {
        std::fprintf(stderr, "quadrello_assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(relativePath), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: quadrello_assetgen <assets-dir>\n");
        return 2;
    }
    const QDir root(arguments.at(1));

    bool ok = true;
    for (const int scale : scales) {
        const auto saveAt = [&](const QString& path, const QImage& image) {
            ok = save(root, atScale(path, scale), image) && ok;
        };
        saveAt(QStringLiteral("splash.png"), paintSplash(scale));
        saveAt(QStringLiteral("title.png"), paintTitleBanner(scale));
        saveAt(QStringLiteral("faces/numbered.png"), paintNumberedFace(scale));
        saveAt(QStringLiteral("faces/unnumbered.png"), paintPlainFace(scale));
        saveAt(QStringLiteral("faces/gridon.png"), paintGridFace(scale));
        saveAt(QStringLiteral("faces/gridoff.png"), paintPlainFace(scale));
        saveAt(QStringLiteral("faces/color.png"), paintColorFace(scale));
        saveAt(QStringLiteral("faces/preferences.png"), paintPreferencesFace(scale));
        // The About window's picture is the 32-pixel window icon under a name of its own; an
        // icon is drawn for its size in device pixels, with the detail that size allows.
        saveAt(QStringLiteral("icons/keypad.png"), paintKeypadIcon(32 * scale));
    }
    for (const PuzzlePicture& picture : puzzlePictures) {
        const QString path = QStringLiteral("pictures/") + QLatin1String(picture.fileName);
        ok = save(root, path, picture.paint(puzzlePictureSize)) && ok;
    }
    for (const int size : iconSizes) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/quadrello.png").arg(size);
        ok = save(root, path, paintKeypadIcon(size)) && ok;
    }
    return ok ? 0 : 1;
}
