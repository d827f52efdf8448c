#pragma once

#include <QStringList>
#include <array>
#include <optional>

// The front-panel menu as `tonvexa-cli menushow` prints it: the menu table's 93 rows in order, a
// section header as its label, an entry as address, name and "shown" or "hidden" ("-" where the
// flag is unknown), tab-separated.
class MenuShowListing
{
public:
    using Flags = std::array<std::optional<quint8>, 256>;

    static QStringList lines(const Flags& flags);
};
