#pragma once

#include <QtGlobal>
#include <chrono>

// The link's intervals, as the processor expects them. Tests and the command-line
// tool's --timeout-scale shrink them all by one factor, so every time-out still runs on a real
// timer.
struct LinkTimings
{
    std::chrono::milliseconds acknowledgement{300}; // wait for FE 23 23 44 after each attempt
    std::chrono::milliseconds keepAlive{1000};      // one 0xFF a second while online
    std::chrono::milliseconds connectTimeout{5000}; // no keep-alive echo for this long: lost
    std::chrono::milliseconds firstConnect{100};    // first handshake after the window appears
    std::chrono::milliseconds connectRetry{2000};   // later handshakes while offline
    double scale = 1.0;

    std::chrono::milliseconds scaled(std::chrono::milliseconds interval) const
    {
        return std::chrono::milliseconds(qMax(1, qRound(double(interval.count()) * scale)));
    }
};

// Reply time-outs the callers of SendFrame pass.
namespace ReplyTimeout {
inline constexpr std::chrono::milliseconds Normal{1000};
inline constexpr std::chrono::milliseconds Handshake{500};
inline constexpr std::chrono::milliseconds UploadEnd{4000};
} // namespace ReplyTimeout
