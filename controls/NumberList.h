#pragma once

#include <QList>
#include <QStringView>
#include <optional>

// "0,10,25" as numbers; nothing when an entry is not a number. An empty text is an empty list.
std::optional<QList<int>> parseNumberList(QStringView text);
