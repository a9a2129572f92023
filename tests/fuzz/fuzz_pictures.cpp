// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as a picture file: the first byte picks the name's extension, the rest is the file. A
// picture decodes to exactly the sizes of the boards, and one that does not changes nothing in
// a game under way: boards, pictures, counters and buttons stay as they were.
#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "board/tileimage.h"
#include "pictures/pictureloader.h"
#include "settings/memorysettingsstore.h"
#include "support/boardtext.h"
#include "support/scriptedrandom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImageReader>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Everything a refused picture must leave as it was.
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
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    static QString answer;
    static SettingsStore& store = *new MemorySettingsStore;
    static ScriptedRandom random{{0.3f, 0.9f, 0.1f, 0.6f, 0.45f}};
    static frmmain& window = *[] {
        QLoggingCategory::setFilterRules("*.warning=false\nqt.gui.imageio=false");
        auto* w = new frmmain({store, random,
                               [](QWidget*, const QString&, const QStringList&) { return answer; },
                               [](QWidget*, const QString&) {
                                   return std::optional<QColor>();
                               }});
        // A game under way, on the built-in picture.
        for (const Qt::Key key : {Qt::Key_S, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left})
            QTest::keyClick(w, key);
        return w;
    }();

    static const char* const extensions[] = {"jpg",  "bmp",  "gif",  "png",
                                             "webp", "tiff", "heic", "avif"};
    if (size == 0)
        return 0;
    answer = folder.filePath(QStringLiteral("picture.") + extensions[data[0] % 8]);
    QFile file(answer);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1)) != qint64(size - 1))
        qFatal("cannot write %s", qPrintable(answer));
    file.close();

    const std::optional<PictureImages> images = decodePicture(answer, 1);
    if (images) {
        const QSize stored = QImageReader(answer).size();
        if (stored.isValid() && qint64(stored.width()) * stored.height() > PictureMaxPixels)
            qFatal("a picture of %dx%d pixels was decoded", stored.width(), stored.height());
        if (images->board.size() != PictureBoardSize ||
            images->board3x3.size() != PictureBoard3x3Size ||
            images->sample.size() != PictureSampleSize)
            qFatal("a picture decoded at the wrong sizes");
        return 0;
    }
    const QString before = shown(window);
    window.LoadPic();
    if (shown(window) != before)
        qFatal("a picture that does not decode changed the game");
    return 0;
}
