#include "PictureSets.h"

const QList<PictureSet>& PictureSet::all()
{
    static const QList<PictureSet> sets = {
        {QStringLiteral("window"), drawWindowPictures},
        {QStringLiteral("transfer"), drawTransferPictures},
        {QStringLiteral("tabs"), drawTabPictures},
        {QStringLiteral("gallery"), drawControlGallery},
        {QStringLiteral("dialogs"), drawDialogPictures},
        {QStringLiteral("graph"), drawGraphPictures},
        {QStringLiteral("roomeq"), drawRoomEqPictures},
    };
    return sets;
}
