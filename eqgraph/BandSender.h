#pragma once

#include <QtGlobal>

// How the graph gets a band it changed to the processor, without knowing the link: the window
// answers whether the processor is online and sends the three fields of a band address in the
// current mode, now or, while another exchange runs, as soon as it has ended.
class BandSender
{
public:
    virtual ~BandSender() = default;

    virtual bool isOnline() const = 0;
    virtual void sendBand(quint8 address) = 0;
};
