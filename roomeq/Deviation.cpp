#include "Deviation.h"

#include "Wish.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

Deviation Deviation::of(const std::vector<double>& response, const Wish& wish)
{
    Deviation d;
    double squares = 0;
    double weights = 0;
    for (std::size_t i = 0; i < response.size(); ++i) {
        if (wish.weight[i] <= 0) {
            continue;
        }
        const double e = response[i] - wish.db[i];
        d.maxDb = std::max(d.maxDb, std::abs(e));
        squares += wish.weight[i] * e * e;
        weights += wish.weight[i];
    }
    d.rmsDb = weights > 0 ? std::sqrt(squares / weights) : 0;
    return d;
}

QString Deviation::text() const
{
    return QCoreApplication::translate("Deviation", "max deviation %1 dB, rms %2 dB")
        .arg(maxDb, 0, 'f', 2)
        .arg(rmsDb, 0, 'f', 2);
}
