#include "LinkMessages.h"

#include "DeviceLink.h"
#include "LinkTexts.h"

LinkMessages::LinkMessages(DeviceLink& link, UserMessages& messages, QObject* parent)
    : QObject(parent)
{
    connect(&link, &DeviceLink::noticeRaised, this, [&messages](LinkNotice notice) {
        messages.showMessage(LinkTexts::icon(notice), LinkTexts::text(notice));
    });
    connect(&link, &DeviceLink::noticeWithdrawn, this,
            [&messages](LinkNotice notice) { messages.withdrawMessage(LinkTexts::text(notice)); });
}
