#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes an image as a PNG file quickly, for the screenshot: rows unfiltered, zlib's fastest
// level, the rows deflated in pieces side by side on the processor's cores. Qt's own writer tries
// every filter on every row and loads every image plugin it has first, which made saving most of
// a screenshot run; on the window's broad flat areas zlib does as well on the plain pixels, and
// faster. 8-bit RGB, or RGBA when the image has an alpha channel.
class PngWriter
{
public:
    // The bytes depend on the picture and the number of pieces only, never on timing. Empty
    // when zlib finds no memory.
    static QByteArray encode(const QImage& image, int pieces);
    // As many pieces as there are cores, up to a few.
    static QByteArray encode(const QImage& image);
    // False, with the reason in error, when the file cannot be written.
    static bool save(const QImage& image, const QString& file, QString& error);
};
