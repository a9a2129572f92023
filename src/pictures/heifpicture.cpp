// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/heifpicture.h"

#include <QFile>
#include <libheif/heif.h>
#include <malloc.h>
#include <memory>

namespace {

template <auto Free> struct Deleter {
    template <typename T> void operator()(T* p) const { Free(p); }
};
template <typename T, auto Free> using Owned = std::unique_ptr<T, Deleter<Free>>;

std::optional<QImage> decodedAndScaled(const QString& path, QSize size, qint64 maxPixels) {
    const Owned<heif_context, heif_context_free> context(heif_context_alloc());
    heif_image_handle* primary = nullptr;
    if (heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr)
                .code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return std::nullopt;
    const Owned<heif_image_handle, heif_image_handle_release> handle(primary);
    if (qint64(heif_image_handle_get_width(primary)) * heif_image_handle_get_height(primary) >
        maxPixels)
        return std::nullopt;

    // libheif turns the picture as its rotation and mirror boxes say while it decodes.
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    heif_image* decoded = nullptr;
    if (heif_decode_image(primary, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          nullptr)
            .code != heif_error_Ok)
        return std::nullopt;
    const Owned<heif_image, heif_image_release> image(decoded);
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return std::nullopt;
    // Scaling copies the pixels: the result outlives libheif's image.
    const QImage whole(pixels, width, height, stride,
                       alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    return whole.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

bool isHeifFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && heif_check_filetype(reinterpret_cast<const uint8_t*>(head.data()),
                                                    int(head.size())) != heif_filetype_no;
}

std::optional<QImage> decodeHeif(const QString& path, QSize size, qint64 maxPixels) {
    std::optional<QImage> picture = decodedAndScaled(path, size, maxPixels);
    // The decoders' frames, tens of megabytes, are freed by now, but the C library keeps freed
    // blocks of that size for later, and the game would stay that much bigger for the whole run.
    malloc_trim(0);
    return picture;
}
