#pragma once

#include "UserMessages.h"

class QWidget;

// The window's messages: a modal message box with the program's title, an OK button and the
// icon the text calls for.
class MessageBoxMessages : public UserMessages
{
public:
    explicit MessageBoxMessages(QWidget* owner = nullptr)
        : m_owner(owner)
    {}

    void setOwner(QWidget* owner) { m_owner = owner; }
    void showMessage(Icon icon, const QString& text) override;

private:
    QWidget* m_owner;
};
