#pragma once

#include <QtGlobal>

// How the graph gets a band it changed to the processor, without knowing the link: the window
// answers whether the processor is online and sends the three fields of a band address in the
// current mode.
class BandSender
{
public:
    virtual ~BandSender() = default;

    virtual bool isOnline() const = 0;
    // True when the processor took the band.
    virtual bool sendBand(quint8 address) = 0;
};
