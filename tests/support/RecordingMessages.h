#pragma once

#include "UserMessages.h"

#include <QList>
#include <QPair>
#include <QString>

// Keeps every message instead of showing it.
class RecordingMessages : public UserMessages
{
public:
    void showMessage(Icon icon, const QString& text) override { shown.append({icon, text}); }

    QStringList texts() const
    {
        QStringList list;
        for (const auto& [icon, text] : shown) {
            list.append(text);
        }
        return list;
    }

    QList<QPair<Icon, QString>> shown;
};
