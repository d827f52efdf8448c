#pragma once

#include "SettingDifferences.h"

#include <QCoro/QCoroTask>

class DeviceLink;
class LinkSequence;
class ParamModel;

// Reads the processor back after an upload and compares it, by value, with what was sent (the
// store). Each block holding a setting that differs is written once more and read again; what
// still differs then is the result, and the store takes the processor's values for it, so the
// program never believes the processor holds what it did not keep.
class UploadCheck
{
public:
    struct Result
    {
        bool completed = false;             // every frame was answered
        QList<SettingDifference> found;     // after the first reading
        QList<SettingDifference> remaining; // after writing them again and reading once more
    };

    explicit UploadCheck(DeviceLink& link);

    // Nothing happens, and the result is not completed, while another sequence holds the link
    // or no processor answers.
    QCoro::Task<Result> run();

private:
    // The parameter blocks of every mode into held; false when a frame failed or a reply was
    // short.
    QCoro::Task<bool> readBack(LinkSequence& sequence, ParamModel& held);
    QCoro::Task<bool> writeAgain(LinkSequence& sequence,
                                 const QList<SettingDifference>& differences);

    DeviceLink& m_link;
};
