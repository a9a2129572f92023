// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/heifpicture.h"

#include <QFile>
#include <QLibrary>
#include <QThread>
#include <libheif/heif.h>
#include <malloc.h>
#include <memory>

namespace {

// The libheif functions the game calls.
struct Libheif {
    decltype(&heif_context_alloc) contextAlloc;
    decltype(&heif_context_free) contextFree;
    decltype(&heif_context_set_max_decoding_threads) setDecodingThreads;
    decltype(&heif_context_read_from_file) readFromFile;
    decltype(&heif_context_get_primary_image_handle) primaryImage;
    decltype(&heif_image_handle_get_width) handleWidth;
    decltype(&heif_image_handle_get_height) handleHeight;
    decltype(&heif_image_handle_has_alpha_channel) hasAlpha;
    decltype(&heif_image_handle_release) handleRelease;
    decltype(&heif_decode_image) decode;
    decltype(&heif_image_get_plane_readonly) plane;
    decltype(&heif_image_get_width) imageWidth;
    decltype(&heif_image_get_height) imageHeight;
    decltype(&heif_image_release) imageRelease;
};

// libheif and the codecs it brings (x265, aom, dav1d, libde265) make a process megabytes bigger,
// so they are loaded only when the player first picks a HEIF file. Null without libheif.
const Libheif* libheif() {
    static const std::optional<Libheif> functions = []() -> std::optional<Libheif> {
        QLibrary library(QStringLiteral("heif"), 1);
        const auto find = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        Libheif f{};
        if (find(f.contextAlloc, "heif_context_alloc") &&
            find(f.contextFree, "heif_context_free") &&
            find(f.setDecodingThreads, "heif_context_set_max_decoding_threads") &&
            find(f.readFromFile, "heif_context_read_from_file") &&
            find(f.primaryImage, "heif_context_get_primary_image_handle") &&
            find(f.handleWidth, "heif_image_handle_get_width") &&
            find(f.handleHeight, "heif_image_handle_get_height") &&
            find(f.hasAlpha, "heif_image_handle_has_alpha_channel") &&
            find(f.handleRelease, "heif_image_handle_release") &&
            find(f.decode, "heif_decode_image") && find(f.plane, "heif_image_get_plane_readonly") &&
            find(f.imageWidth, "heif_image_get_width") &&
            find(f.imageHeight, "heif_image_get_height") &&
            find(f.imageRelease, "heif_image_release"))
            return f;
        return std::nullopt;
    }();
    return functions ? &*functions : nullptr;
}

template <typename T, typename Release> auto owned(T* pointer, Release release) {
    return std::unique_ptr<T, Release>(pointer, release);
}

std::optional<QImage> decodedAndScaled(const Libheif& heif, const QString& path, QSize size,
                                       qint64 maxPixels) {
    const auto context = owned(heif.contextAlloc(), heif.contextFree);
    // A photo stored as a grid of tiles, as phones store them, decodes its tiles side by side
    // on every core rather than on libheif's fixed default. A picture in one piece is left to
    // its codec.
    heif.setDecodingThreads(context.get(), QThread::idealThreadCount());
    heif_image_handle* primary = nullptr;
    if (heif.readFromFile(context.get(), QFile::encodeName(path).constData(), nullptr).code !=
            heif_error_Ok ||
        heif.primaryImage(context.get(), &primary).code != heif_error_Ok)
        return std::nullopt;
    const auto handle = owned(primary, heif.handleRelease);
    if (qint64(heif.handleWidth(primary)) * heif.handleHeight(primary) > maxPixels)
        return std::nullopt;

    // libheif turns the picture as its rotation and mirror boxes say while it decodes.
    const bool alpha = heif.hasAlpha(primary);
    heif_image* decoded = nullptr;
    if (heif.decode(primary, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr)
            .code != heif_error_Ok)
        return std::nullopt;
    const auto image = owned(decoded, heif.imageRelease);
    int stride = 0;
    const uint8_t* pixels = heif.plane(decoded, heif_channel_interleaved, &stride);
    const int width = heif.imageWidth(decoded, heif_channel_interleaved);
    const int height = heif.imageHeight(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return std::nullopt;
    // Scaling copies the pixels: the result outlives libheif's image.
    const QImage whole(pixels, width, height, stride,
                       alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    return whole.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

// A HEIF file starts with its file type box.
bool isHeifFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8).mid(4) == "ftyp";
}

std::optional<QImage> decodeHeif(const QString& path, QSize size, qint64 maxPixels) {
    const Libheif* heif = libheif();
    if (!heif)
        return std::nullopt;
    std::optional<QImage> picture = decodedAndScaled(*heif, path, size, maxPixels);
    // The decoders' frames, tens of megabytes, are freed by now, but the C library keeps freed
    // blocks of that size for later, and the game would stay that much bigger for the whole run.
    malloc_trim(0);
    return picture;
}
