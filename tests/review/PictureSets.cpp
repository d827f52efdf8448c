#include "PictureSets.h"

const QList<PictureSet>& PictureSet::all()
{
    static const QList<PictureSet> sets = {
        {QStringLiteral("window"), drawWindowPictures},
        {QStringLiteral("transfer"), drawTransferPictures},
        {QStringLiteral("gallery"), drawControlGallery},
        {QStringLiteral("graph"), drawGraphPictures},
    };
    return sets;
}
