#include "LinkTexts.h"

#include <QCoreApplication>

namespace LinkTexts {

QString text(LinkNotice notice)
{
    switch (notice) {
    case LinkNotice::ExchangeTimedOut:
        return QCoreApplication::translate(
            "LinkTexts",
            "Connection for data transmission timed out. The device is disconnected. ");
    case LinkNotice::KeepAliveLost:
        return QCoreApplication::translate("LinkTexts", "与目标通信连接超时，已断开连接。");
    case LinkNotice::NotOnline:
        return QCoreApplication::translate("LinkTexts", "Please get your device online first.");
    case LinkNotice::BadBlockReply:
        return QCoreApplication::translate("LinkTexts", "Error reading data from the device!");
    }
    return {};
}

UserMessages::Icon icon(LinkNotice notice)
{
    return notice == LinkNotice::BadBlockReply ? UserMessages::Icon::Critical
                                               : UserMessages::Icon::Exclamation;
}

} // namespace LinkTexts
