// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/builtinpngplugin.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {
bool isBuiltIn(QIODevice* device) {
    const auto* file = qobject_cast<QFile*>(device);
    return file != nullptr && file->fileName().startsWith(QLatin1Char(':'));
}

// Hands the bytes to Qt's own PNG reader, told the format so that it looks no further. It reads
// them from memory: given the file, it would ask this plugin again.
class BuiltInPngHandler : public QImageIOHandler {
public:
    bool canRead() const override {
        if (device() == nullptr || !device()->peek(8).startsWith("\x89PNG\r\n\x1a\n"))
            return false;
        setFormat("png");
        return true;
    }
    bool read(QImage* image) override {
        QByteArray bytes = device()->readAll();
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read(image);
    }
};
} // namespace

QImageIOPlugin::Capabilities BuiltInPngPlugin::capabilities(QIODevice* device,
                                                            const QByteArray& format) const {
    return format == "png" && isBuiltIn(device) ? CanRead : Capabilities();
}

QImageIOHandler* BuiltInPngPlugin::create(QIODevice* device, const QByteArray& format) const {
    auto* handler = new BuiltInPngHandler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}
