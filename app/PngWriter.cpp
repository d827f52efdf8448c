#include "PngWriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>
#include <zlib.h>

namespace {

constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
constexpr quint8 BitDepth = 8;
constexpr quint8 ColourRgb = 2;
constexpr quint8 ColourRgba = 6;
constexpr Bytef FilterNone = 0;
// Measured on the window: the Sub filter, Z_RLE or level 2 were each no faster and gave larger
// files than plain rows at level 1.
constexpr int FastestLevel = 1;
constexpr int WindowBits = 15;
constexpr int MemLevel = 8;
// A zlib header for a 32 KiB window and the fastest level, as zlib itself writes it.
constexpr char ZlibHeader[] = {0x78, 0x01};
// More pieces than this gain little and cost each its own start with an empty window.
constexpr int MostPieces = 4;
// Room for a flush's empty stored block beyond deflateBound(), which assumes one Z_FINISH.
constexpr qsizetype FlushRoom = 64;

void appendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// A chunk is written in place: its length is filled in and its CRC appended once its data is.
qsizetype beginChunk(QByteArray& out, const char (&type)[5])
{
    const qsizetype start = out.size();
    appendBigEndian(out, 0);
    out.append(type, 4);
    return start;
}

void endChunk(QByteArray& out, qsizetype start)
{
    const qsizetype typeStart = start + 4;
    qToBigEndian(quint32(out.size() - typeStart - 4), out.data() + start);
    const auto* typeAndData = reinterpret_cast<const Bytef*>(out.constData() + typeStart);
    appendBigEndian(out, quint32(crc32(0, typeAndData, uInt(out.size() - typeStart))));
}

// Rows deflated on their own as raw deflate data: all but the last piece end on a byte boundary
// without marking the stream's end, so the pieces joined in order are one deflate stream.
struct Piece
{
    QByteArray deflated;
    uLong adler = adler32(0, nullptr, 0);
    uLong length = 0;
    bool ok = true; // false when zlib found no memory
};

// Deflates z's input into out, growing it as needed, until the input is used up and the flush
// is complete; false when zlib cannot go on.
bool deflateInto(z_stream& z, QByteArray& out, int flush)
{
    for (;;) {
        const auto used = qsizetype(z.total_out);
        if (out.size() - used < FlushRoom) {
            out.resize(std::max(out.size() * 2, used + FlushRoom));
        }
        z.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        z.avail_out = uInt(out.size() - used);
        if (deflate(&z, flush) == Z_STREAM_ERROR) {
            return false;
        }
        if (z.avail_in == 0 && z.avail_out != 0) {
            return true;
        }
    }
}

Piece deflateRows(const QImage& rows, qsizetype rowBytes, int first, int end, bool last)
{
    Piece piece;
    z_stream z{};
    if (deflateInit2(&z, FastestLevel, Z_DEFLATED, -WindowBits, MemLevel, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        piece.ok = false;
        return piece;
    }
    piece.deflated.resize(qsizetype(deflateBound(&z, uLong(end - first) * uLong(rowBytes + 1))) +
                          FlushRoom);
    const auto feed = [&](const Bytef* bytes, qsizetype count) {
        piece.adler = adler32(piece.adler, bytes, uInt(count));
        piece.length += uLong(count);
        z.next_in = const_cast<Bytef*>(bytes);
        z.avail_in = uInt(count);
        piece.ok = piece.ok && deflateInto(z, piece.deflated, Z_NO_FLUSH);
    };
    // Each row is its filter type, then its bytes, fed straight from the image.
    for (int y = first; y < end; ++y) {
        feed(&FilterNone, 1);
        feed(rows.constScanLine(y), rowBytes);
    }
    piece.ok = piece.ok && deflateInto(z, piece.deflated, last ? Z_FINISH : Z_SYNC_FLUSH);
    piece.deflated.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return piece;
}

} // namespace

QByteArray PngWriter::encode(const QImage& image)
{
    return encode(image, std::clamp(QThread::idealThreadCount(), 1, MostPieces));
}

QByteArray PngWriter::encode(const QImage& image, int pieces)
{
    const bool alpha = image.hasAlphaChannel();
    // Straight (not premultiplied) colour, one byte per channel in PNG's order.
    const QImage rows =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int height = rows.height();
    const qsizetype rowBytes = qsizetype(rows.width()) * (alpha ? 4 : 3);

    // Piece k holds rows [height * k / count, height * (k + 1) / count): none is empty.
    const int count = std::clamp(pieces, 1, std::max(height, 1));
    std::vector<Piece> parts(static_cast<size_t>(count));
    const auto deflatePiece = [&](int k) {
        parts[size_t(k)] = deflateRows(rows, rowBytes, int(qint64(height) * k / count),
                                       int(qint64(height) * (k + 1) / count), k == count - 1);
    };
    {
        std::vector<std::jthread> helpers;
        for (int k = 1; k < count; ++k) {
            try {
                helpers.emplace_back(deflatePiece, k);
            } catch (const std::system_error&) {
                deflatePiece(k); // no thread to be had: the same piece, only not side by side
            }
        }
        deflatePiece(0);
    }

    qsizetype size = sizeof(Signature) + 3 * 12 + 13 + sizeof(ZlibHeader) + 4;
    uLong adler = parts.front().adler;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (!parts[k].ok) {
            return {};
        }
        size += parts[k].deflated.size();
        if (k > 0) {
            adler = adler32_combine(adler, parts[k].adler, z_off_t(parts[k].length));
        }
    }
    QByteArray png;
    png.reserve(size);
    png.append(Signature, sizeof(Signature) - 1);

    qsizetype chunk = beginChunk(png, "IHDR");
    appendBigEndian(png, quint32(rows.width()));
    appendBigEndian(png, quint32(height));
    png.append(char(BitDepth));
    png.append(char(alpha ? ColourRgba : ColourRgb));
    png.append(3, '\0'); // deflate compression, adaptive filtering, no interlace
    endChunk(png, chunk);

    chunk = beginChunk(png, "IDAT");
    png.append(ZlibHeader, sizeof(ZlibHeader));
    for (const Piece& piece : parts) {
        png.append(piece.deflated);
    }
    appendBigEndian(png, quint32(adler));
    endChunk(png, chunk);

    endChunk(png, beginChunk(png, "IEND"));
    return png;
}

bool PngWriter::save(const QImage& image, const QString& file, QString& error)
{
    QSaveFile out(file);
    if (image.isNull()) {
        error = QCoreApplication::translate("PngWriter", "no picture");
        return false;
    }
    const QByteArray png = encode(image);
    if (png.isEmpty()) {
        error =
            QCoreApplication::translate("PngWriter", "not enough memory to compress the picture");
        return false;
    }
    if (!out.open(QIODevice::WriteOnly) || out.write(png) < 0 || !out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}
