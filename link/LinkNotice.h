#pragma once

// What the link reports for the user to hear about; the front ends word it.
enum class LinkNotice
{
    ExchangeTimedOut, // eight attempts of a frame went unanswered: the link is offline
    KeepAliveLost,    // the keep-alive echo stayed away: the link is offline
    NotOnline,        // a transfer was asked for while the link is offline
    BadBlockReply,    // a block read was answered with too few bytes
};
