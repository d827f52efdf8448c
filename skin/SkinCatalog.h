#pragma once

#include <QSize>
#include <QString>

// The skin pictures by id: the natural pixel size every layout and hit area relies on, and what
// each picture is for. The drawing program produces exactly these sizes; the controls load them.
class SkinCatalog
{
public:
    static constexpr int FirstId = 101;
    static constexpr int LastId = 400;
    static constexpr int Count = LastId - FirstId + 1;

    static bool contains(int id) { return id >= FirstId && id <= LastId; }
    static QSize naturalSize(int id);
    static QString role(int id);

    // The pictures travel as ready pixels, so that nothing is decoded at start: one block of
    // premultiplied ARGB, a 32-bit word per pixel in the machine's own byte order, picture after
    // picture in id order, each row after row without padding. The drawing program writes it, the
    // build embeds it uncompressed, and the controls use it in place.
    static constexpr int BytesPerPixel = 4;
    static inline const QString PixelsResource = QStringLiteral(":/skin/pixels");
    // Where a picture starts in the block, in bytes; the total size for LastId + 1.
    static qsizetype pixelOffset(int id);
    static qsizetype pixelBytes() { return pixelOffset(LastId + 1); }
};
