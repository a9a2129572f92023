// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "libheifdecode.h"

#include <QFile>
#include <QString>
#include <libheif/heif.h>

QSize decodeWithLibheif(const QString& path) {
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    const bool decoded =
        heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr).code ==
            heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok &&
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr)
                .code == heif_error_Ok;
    const QSize size = decoded ? QSize(heif_image_get_width(image, heif_channel_interleaved),
                                       heif_image_get_height(image, heif_channel_interleaved))
                               : QSize();
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
    return size;
}
