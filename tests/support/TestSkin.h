#pragma once

#include "SkinCatalog.h"
#include "SkinImages.h"

#include <QColor>
#include <QImage>

// Pixel checks must not depend on the artwork: every picture is replaced by a solid one of the
// catalog's size in a colour that tells its id.
inline QRgb testColour(int id)
{
    return qRgb((id >> 8) * 80 + 20, (id * 7) & 0xFF, id & 0xFF);
}

inline QImage solidPicture(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// Loads the embedded skin (so a control's own InitSkin changes nothing) and paints over it.
inline void installTestPictures(SkinImages& skin)
{
    skin.InitSkin();
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        skin.setImage(id, solidPicture(SkinCatalog::naturalSize(id), testColour(id)));
    }
}
