#include "BandText.h"

#include "BandTable.h"

#include <QCoreApplication>
#include <QStringList>

namespace BandText {

QString name(const EqBand& band, int record)
{
    switch (band.Kind) {
    case BandKind::HighCut:
        return QCoreApplication::translate("BandText", "高切");
    case BandKind::LowCut:
        return QCoreApplication::translate("BandText", "低切");
    case BandKind::Peaking:
        break;
    }
    return QCoreApplication::translate("BandText", "EQ %1").arg(record + 1);
}

QString frequency(const EqBand& band)
{
    return QString::number(band.Frequency, 'g', 7) + QStringLiteral("Hz");
}

QString gain(const EqBand& band)
{
    return decibels(band.Gain);
}

QString decibels(double db)
{
    return QString::number(db, 'f', 1) + QStringLiteral("dB");
}

QString q(const EqBand& band)
{
    return QString::number(band.Q, 'f', 1) + QStringLiteral(" Q");
}

QString summary(const EqBand& band, int record)
{
    QStringList parts{name(band, record), frequency(band)};
    if (band.Kind == BandKind::Peaking) {
        parts << gain(band) << q(band);
    }
    return parts.join(QStringLiteral("   "));
}

} // namespace BandText
