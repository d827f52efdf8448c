#include "PartialUpload.h"

#include "BulkTransfer.h"

QString PartialUpload::message(int framesReached, Source source, const QString& advice)
{
    if (framesReached <= 0 || framesReached >= BulkTransfer::UploadBlockCount) {
        return {};
    }
    return QStringLiteral("Only %1 of the upload's %2 frames reached the processor: it now holds "
                          "part of %3 and part of its earlier settings. %4")
        .arg(framesReached)
        .arg(BulkTransfer::UploadBlockCount)
        .arg(source == Source::Preset ? QStringLiteral("the preset")
                                      : QStringLiteral("the settings shown"),
             advice);
}
