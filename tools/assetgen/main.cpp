// Redraws every picture of the game into the assets folder named on the command line.
// The pictures are committed; this program is how they are made again after a change.

#include "buttonfaces.h"
#include "keypadicon.h"
#include "splash.h"
#include "titlebanner.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>

namespace {

// Sizes of the hicolor icon theme folders the window icon is drawn for.
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool save(const QDir& root, const QString& relativePath, const QImage& image) {
    const QString path = root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
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

    bool ok = save(root, QStringLiteral("splash.png"), paintSplash());
    ok = save(root, QStringLiteral("title.png"), paintTitleBanner()) && ok;
    ok = save(root, QStringLiteral("faces/numbered.png"), paintNumberedFace()) && ok;
    ok = save(root, QStringLiteral("faces/unnumbered.png"), paintPlainFace()) && ok;
    ok = save(root, QStringLiteral("faces/gridon.png"), paintGridFace()) && ok;
    ok = save(root, QStringLiteral("faces/gridoff.png"), paintPlainFace()) && ok;
    ok = save(root, QStringLiteral("faces/color.png"), paintColorFace()) && ok;
    ok = save(root, QStringLiteral("faces/preferences.png"), paintPreferencesFace()) && ok;
    // The About window's picture is the 32-pixel window icon under a name of its own.
    ok = save(root, QStringLiteral("icons/keypad.png"), paintKeypadIcon(32)) && ok;
    for (const int size : iconSizes) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/quadrello.png").arg(size);
        ok = save(root, path, paintKeypadIcon(size)) && ok;
    }
    return ok ? 0 : 1;
}
