#pragma once

#include "BulkTransfer.h"

#include <QStringList>

// Writes down what a bulk transfer tells its front ends, in order.
struct RecordingTransfers
{
    explicit RecordingTransfers(BulkTransfer& bulk)
    {
        QObject::connect(&bulk, &BulkTransfer::transferStarted, &bulk, [this](int maximum) {
            calls << QStringLiteral("started %1").arg(maximum);
        });
        QObject::connect(&bulk, &BulkTransfer::progressChanged, &bulk,
                         [this](int value) { calls << QStringLiteral("progress %1").arg(value); });
        QObject::connect(&bulk, &BulkTransfer::storeRead, &bulk,
                         [this] { calls << QStringLiteral("store read"); });
        QObject::connect(&bulk, &BulkTransfer::transferFinished, &bulk, [this](bool completed) {
            calls << (completed ? QStringLiteral("completed") : QStringLiteral("failed"));
        });
    }

    QStringList calls;
};
