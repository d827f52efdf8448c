#pragma once

#include "UserMessages.h"

#include <QList>
#include <QPointer>

class QMessageBox;
class QWidget;

// The window's messages: a message box with the program's title, an OK button and the icon the
// text calls for, window-modal over the window or dialog that asked. It opens and returns at
// once; the event loop keeps running underneath.
class MessageBoxMessages : public UserMessages
{
public:
    explicit MessageBoxMessages(QWidget* owner = nullptr)
        : m_owner(owner)
    {}

    void setOwner(QWidget* owner) { m_owner = owner; }
    using UserMessages::showMessage;
    void showMessage(Icon icon, const QString& text, Dismissed dismissed) override;
    // Closes the boxes still open with this text.
    void withdrawMessage(const QString& text) override;
    // The boxes open now.
    QList<QMessageBox*> openBoxes() const;

private:
    QWidget* m_owner;
    QList<QPointer<QMessageBox>> m_boxes;
};
