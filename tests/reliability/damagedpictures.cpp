#include "reliability/damagedpictures.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <array>
#include <random>

namespace {

QImage gradient() {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x + y) * 2));
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Qt reads GIF but cannot write it, so a small four-colour GIF is put together here. Its LZW
// stream restarts after every two pixels, so that every code stays three bits wide and no
// compression is needed.
QByteArray gif() {
    const int w = 16;
    const int h = 12;
    QByteArray out("GIF89a");
    const auto le16 = [&out](int v) {
        out += char(v & 0xff);
        out += char(v >> 8);
    };
    le16(w);
    le16(h);
    out += char(0xF1); // a global table of four colours
    out += char(0);
    out += char(0);
    out += QByteArray::fromHex("000000ff000000ff000000ff");
    out += char(0x2C);
    le16(0);
    le16(0);
    le16(w);
    le16(h);
    out += char(0);
    out += char(2); // minimum code size: clear is 4, end is 5
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            codes += char(bits & 0xff);
            bits >>= 8;
            count -= 8;
        }
    };
    for (int p = 0; p < w * h; ++p) {
        if (p % 2 == 0)
            put(4);
        put((p % w / 4 + p / w / 3) % 4);
    }
    put(5);
    if (count > 0)
        codes += char(bits & 0xff);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    out += char(0x3B);
    return out;
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBE16(QByteArray& b, qsizetype at, int v) {
    if (at + 2 <= b.size())
        qToBigEndian(quint16(v), b.data() + at);
}
void putLE16(QByteArray& b, qsizetype at, int v) {
    if (at + 2 <= b.size())
        qToLittleEndian(quint16(v), b.data() + at);
}

// The dimensions in the file's header(s) replaced by the ones given, everything else kept.
QByteArray withDimensions(QByteArray b, const char* format, int w, int h) {
    const QByteArray f(format);
    if (f == "bmp" && b.size() >= 26) {
        qToLittleEndian(qint32(w), b.data() + 18);
        qToLittleEndian(qint32(h), b.data() + 22);
    } else if (f == "png" && b.size() >= 33) {
        qToBigEndian(quint32(w), b.data() + 16);
        qToBigEndian(quint32(h), b.data() + 20);
        // With a correct checksum the decoder believes the header.
        qToBigEndian(crc32(b.mid(12, 17)), b.data() + 29);
    } else if (f == "gif") {
        putLE16(b, 6, w);
        putLE16(b, 8, h);
        putLE16(b, 13 + 12 + 5, w);
        putLE16(b, 13 + 12 + 7, h);
    } else if (f == "jpg") {
        const qsizetype sof = b.indexOf("\xff\xc0");
        if (sof >= 0) {
            putBE16(b, sof + 5, h);
            putBE16(b, sof + 7, w);
        }
    }
    return b;
}

constexpr std::array<const char*, 4> kFormats{"jpg", "bmp", "gif", "png"};
constexpr std::array<std::pair<int, int>, 8> kAbsurd{{{60000, 60000},
                                                      {65535, 1},
                                                      {1, 65535},
                                                      {30000, 30000},
                                                      {16384, 16384},
                                                      {0, 0},
                                                      {0, 48},
                                                      {64, 0}}};

} // namespace

QByteArray soundPicture(const char* format) {
    if (QByteArray(format) == "gif")
        return gif();
    return encoded(gradient(), QByteArray(format) == "jpg" ? "JPEG" : format);
}

DamagedPicture damagedPicture(unsigned seed) {
    std::mt19937 engine(seed);
    const auto below = [&engine](qsizetype bound) {
        return bound > 0 ? qsizetype(engine() % quint64(bound)) : qsizetype(0);
    };
    const char* format = kFormats[seed % kFormats.size()];
    const QString name = QStringLiteral("picture.") + QLatin1String(format);
    const QByteArray sound = soundPicture(format);
    switch (seed / kFormats.size() % 8) {
    case 0:
    case 1:
    case 2: {
        QByteArray b = sound;
        const int flips = 1 + int(below(24));
        for (int i = 0; i < flips; ++i) {
            const qsizetype at = below(b.size());
            b[at] = char(b[at] ^ (1 << below(8)));
        }
        return {QStringLiteral("%1 bits flipped").arg(flips), name, b};
    }
    case 3:
        return {QStringLiteral("cut short"), name, sound.left(below(sound.size()))};
    case 4: {
        const auto [w, h] = kAbsurd[std::size_t(below(kAbsurd.size()))];
        QByteArray b = withDimensions(sound, format, w, h);
        if (engine() % 2)
            b = b.left(below(b.size()));
        return {QStringLiteral("header says %1x%2").arg(w).arg(h), name, b};
    }
    case 5: {
        QByteArray b = sound;
        const qsizetype at = below(b.size());
        const qsizetype length = 1 + below(64);
        for (qsizetype i = at; i < qMin(b.size(), at + length); ++i)
            b[i] = char(engine());
        return {QStringLiteral("a stretch overwritten"), name, b};
    }
    case 6: {
        QByteArray b = sound;
        const qsizetype at = below(b.size());
        b.insert(at, b.mid(below(b.size()), 1 + below(200)));
        return {QStringLiteral("a stretch repeated"), name, b};
    }
    default:
        switch (seed / kFormats.size() / 8 % 4) {
        case 0:
            return {QStringLiteral("empty"), name, QByteArray()};
        case 1:
            return {QStringLiteral("a text file"), QStringLiteral("notes.jpg"),
                    QByteArray("This is not a picture.\n")};
        case 2:
            return {QStringLiteral("another format than its name says"),
                    QStringLiteral("picture.gif"), soundPicture("png")};
        default: {
            QByteArray b(below(2000), Qt::Uninitialized);
            for (char& ch : b)
                ch = char(engine());
            return {QStringLiteral("random bytes"), name, b};
        }
        }
    }
}
