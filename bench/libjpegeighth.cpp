// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "libjpegeighth.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf escape;
};

// libjpeg's own handler ends the process; this one returns to the caller instead.
[[noreturn]] void leave(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Everything libjpeg needs lives in plain C structures, so the jump skips no destructor.
bool decode(std::FILE* file, JSAMPLE* row, JDIMENSION rowCapacity) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = leave;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    if (info.output_width * JDIMENSION(info.output_components) > rowCapacity) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, &row, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace

bool decodeEighthWithLibjpeg(const QString& path) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (file == nullptr)
        return false;
    // Room for one row of the widest picture JPEG allows, at an eighth, in up to four channels.
    std::vector<JSAMPLE> row(65535 / 8 * 4 + 4);
    const bool ok = decode(file, row.data(), JDIMENSION(row.size()));
    std::fclose(file);
    return ok;
}
