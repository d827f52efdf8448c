#pragma once

#include <QObject>

class DeviceLink;
class UserMessages;

// Tells the user what the link reports, through messages, for as long as it lives: a notice is
// shown when raised and taken back when withdrawn.
class LinkMessages : public QObject
{
    Q_OBJECT

public:
    LinkMessages(DeviceLink& link, UserMessages& messages, QObject* parent = nullptr);
};
