// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImageIOPlugin>

// Reads the PNG pictures built into the program and into Qt itself (the style's frames and
// arrows). Asked for a file whose format it has not been told, Qt first asks every image plugin
// on the system whether it reads that format, which loads them all: over a megabyte that stays
// for the life of the program, although only a picture the player chooses needs them. A plugin
// that claims the "png" suffix is asked first, so with this one a built-in picture never gets
// that far; other files go the usual way.
class BuiltInPngPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "builtinpngplugin.json")
public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};
