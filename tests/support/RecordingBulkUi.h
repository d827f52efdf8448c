#pragma once

#include "BulkTransferUi.h"

#include <QStringList>

// Writes down what a bulk transfer asks of the window, in order.
class RecordingBulkUi : public BulkTransferUi
{
public:
    void setWindowEnabled(bool enabled) override
    {
        calls.append(enabled ? QStringLiteral("enable") : QStringLiteral("disable"));
    }
    void showProgress(int maxValue) override
    {
        calls.append(QStringLiteral("show %1").arg(maxValue));
    }
    void setProgressValue(int value) override
    {
        calls.append(QStringLiteral("value %1").arg(value));
    }
    void hideProgress() override { calls.append(QStringLiteral("hide")); }
    void refreshAllControls() override { calls.append(QStringLiteral("refresh")); }
    void restartUndoHistory() override { calls.append(QStringLiteral("undo init")); }

    QStringList calls;
};
