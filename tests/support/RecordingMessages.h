#pragma once

#include "UserMessages.h"

#include <QList>
#include <QPair>
#include <QString>

// Keeps every message instead of showing it; a message is dismissed as soon as it is shown.
class RecordingMessages : public UserMessages
{
public:
    using UserMessages::showMessage;
    void showMessage(Icon icon, const QString& text, Dismissed dismissed) override
    {
        shown.append({icon, text});
        if (dismissed) {
            dismissed();
        }
    }
    void withdrawMessage(const QString& text) override { withdrawn.append(text); }

    QStringList texts() const
    {
        QStringList list;
        for (const auto& [icon, text] : shown) {
            list.append(text);
        }
        return list;
    }

    QList<QPair<Icon, QString>> shown;
    QStringList withdrawn;
};
