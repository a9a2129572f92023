// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as a picture file: the first byte picks the name's extension, the rest is the file. A
// picture decodes to exactly the sizes of the boards, from no more pixels than the game allows,
// and one that does not, dropped on a game under way, leaves boards, pictures, counters and
// buttons as they were.
#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "pictures/pictureloader.h"
#include "reliability/stressgame.h"
#include "settings/memorysettingsstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

QString shown(const frmmain& window) {
    QString s;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const GameCounters& c = window.counters(slot);
        s += boardToText(window.board(slot)) +
             QString::asprintf(" %d %d %d %lld;", c.seconds, c.moves, c.scrambled,
                               window.boardView(slot)->cell(0)->image()->picture().cacheKey());
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        s += b->objectName() + (b->isEnabled() ? '+' : '-') + b->text();
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no screen needed
    new QApplication(*argc, *argv);
    QLoggingCategory::setFilterRules("*.warning=false\nqt.gui.imageio=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    static MemorySettingsStore store;
    static StoredGame& game = *new StoredGame(store);
    static const QString played = play(game.window); // a game under way
    if (size == 0)
        return 0;
    const QString path =
        written(folder.filePath(
                    QStringLiteral("picture.") +
                    QStringLiteral("jpg bmp gif png webp tiff heic avif").split(u' ')[data[0] % 8]),
                QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    if (path.isEmpty() || !played.isEmpty())
        qFatal("cannot write the picture or start a game: %s", qPrintable(played));

    if (const std::optional<PictureImages> images = decodePicture(path, 1)) {
        const QSize stored = QImageReader(path).size();
        if (qint64(stored.width()) * stored.height() > PictureMaxPixels ||
            images->board.size() != PictureBoardSize ||
            images->board3x3.size() != PictureBoard3x3Size ||
            images->sample.size() != PictureSampleSize)
            qFatal("a picture of %dx%d pixels decoded at the wrong sizes", stored.width(),
                   stored.height());
        return 0;
    }
    const QString before = shown(game.window);
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(&game.window, &drop);
    if (shown(game.window) != before)
        qFatal("a picture that does not decode changed the game");
    return 0;
}
