// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/heiffile.h"

#include <libheif/heif.h>

QByteArray heifFile(const QImage& image, bool av1, int orientation) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, av1 ? heif_compression_AV1 : heif_compression_HEVC,
                                        &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoder_set_parameter(encoder, av1 ? "speed" : "preset", av1 ? "9" : "ultrafast");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    heif_image* pixels = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &pixels);
    heif_image_add_plane(pixels, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(pixels, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3, plane + y * stride);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(orientation);
    heif_context_encode_image(context, pixels, encoder, options, nullptr);

    QByteArray file;
    heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* to) {
                           static_cast<QByteArray*>(to)->append(static_cast<const char*>(data),
                                                                qsizetype(size));
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                       }};
    heif_context_write(context, &writer, &file);
    heif_encoding_options_free(options);
    heif_image_release(pixels);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return file;
}
