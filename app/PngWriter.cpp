#include "PngWriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
constexpr quint8 BitDepth = 8;
constexpr quint8 ColourRgb = 2;
constexpr quint8 ColourRgba = 6;
constexpr char FilterNone = 0;
constexpr int FastestLevel = 1;

// The CRC-32 of PNG chunks (polynomial 0xEDB88320, reflected), a byte at a time from a table.
quint32 crc32(quint32 crc, QByteArrayView bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char byte : bytes) {
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

void appendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char (&type)[5], QByteArrayView data)
{
    appendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    appendBigEndian(out, crc32(0, QByteArrayView(out).sliced(start)));
}

} // namespace

QByteArray PngWriter::encode(const QImage& image)
{
    const bool alpha = image.hasAlphaChannel();
    // Straight (not premultiplied) colour, one byte per channel in PNG's order.
    const QImage rows =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int channels = alpha ? 4 : 3;
    const qsizetype rowBytes = qsizetype(rows.width()) * channels;

    // Each row is its filter type, then its bytes.
    QByteArray filtered(rows.height() * (rowBytes + 1), Qt::Uninitialized);
    char* out = filtered.data();
    for (int y = 0; y < rows.height(); ++y) {
        *out++ = FilterNone;
        out = std::copy_n(reinterpret_cast<const char*>(rows.constScanLine(y)), rowBytes, out);
    }

    QByteArray header;
    appendBigEndian(header, quint32(rows.width()));
    appendBigEndian(header, quint32(rows.height()));
    header.append(char(BitDepth));
    header.append(char(alpha ? ColourRgba : ColourRgb));
    header.append(3, '\0'); // deflate compression, adaptive filtering, no interlace

    // qCompress gives a zlib stream after four bytes of uncompressed length.
    const QByteArray compressed = qCompress(filtered, FastestLevel);
    QByteArray png(Signature, sizeof(Signature) - 1);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", QByteArrayView(compressed).sliced(4));
    appendChunk(png, "IEND", {});
    return png;
}

bool PngWriter::save(const QImage& image, const QString& file, QString& error)
{
    QSaveFile out(file);
    if (image.isNull()) {
        error = QCoreApplication::translate("PngWriter", "no picture");
        return false;
    }
    if (!out.open(QIODevice::WriteOnly) || out.write(encode(image)) < 0 || !out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}
