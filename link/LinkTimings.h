#pragma once

#include <QtGlobal>

// The link's intervals in milliseconds, as the processor expects them. Tests and the command-line
// tool's --timeout-scale shrink them all by one factor, so every time-out still runs on a real
// timer.
struct LinkTimings
{
    int acknowledgementMs = 300; // wait for FE 23 23 44 after each attempt
    int keepAliveMs = 1000;      // one 0xFF a second while online
    int connectTimeoutMs = 5000; // no keep-alive echo for this long: the link is lost
    int firstConnectMs = 100;    // first handshake after the window appears
    int connectRetryMs = 2000;   // later handshakes while offline
    double scale = 1.0;

    int scaled(int ms) const { return qMax(1, qRound(ms * scale)); }
};

// Reply time-outs the callers of SendFrame pass.
namespace ReplyTimeout {
inline constexpr int Normal = 1000;
inline constexpr int Handshake = 500;
inline constexpr int UploadEnd = 4000;
} // namespace ReplyTimeout
