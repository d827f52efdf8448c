#include "PartialUpload.h"

#include "BulkTransfer.h"

#include <QCoreApplication>

QString PartialUpload::message(int framesReached, Source source, const QString& advice)
{
    if (framesReached <= 0 || framesReached >= BulkTransfer::UploadBlockCount) {
        return {};
    }
    return QCoreApplication::translate("PartialUpload",
                                       "Only %1 of the upload's %2 frames reached the processor: "
                                       "it now holds part of %3 and part of its earlier "
                                       "settings. %4")
        .arg(framesReached)
        .arg(BulkTransfer::UploadBlockCount)
        .arg(source == Source::Preset
                 ? QCoreApplication::translate("PartialUpload", "the preset")
                 : QCoreApplication::translate("PartialUpload", "the settings shown"),
             advice);
}
