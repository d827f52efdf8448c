#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes an image as a PNG file quickly, for the screenshot: every row with the Sub filter (each
// byte minus the one a pixel before it) and zlib's fastest level. Qt's own writer tries every
// filter on every row and loads every image plugin it has first, which made saving most of a
// screenshot run. 8-bit RGB, or RGBA when the image has an alpha channel.
class PngWriter
{
public:
    static QByteArray encode(const QImage& image);
    // False, with the reason in error, when the file cannot be written.
    static bool save(const QImage& image, const QString& file, QString& error);
};
