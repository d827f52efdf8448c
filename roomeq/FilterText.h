#pragma once

#include "CookbookFilter.h"

#include <QString>
#include <QStringView>
#include <optional>

// What a filter file holds: the filters that are on, in file order, and what was passed over.
struct FilterFile
{
    FilterList filters;
    std::optional<double> preampDb;
    int skippedLines = 0; // comments and lines that are neither a filter nor the preamp
    int filtersOff = 0;   // filters switched off, and empty slots ("ON None")
};

// The filter text of room-measurement programs and system-wide equalisers, one filter a line:
//   Filter 1: ON PK Fc 100 Hz Gain -3.0 dB Q 1.41
//   Filter: ON LSC Fc 105 Hz Gain 5.5 dB BW Oct 1.9
//   Preamp: -6.2 dB
// Types PK / PEQ (peaking), LP / LPQ and HP / HPQ (low- and high-pass), LS / LSC and HS / HSC
// (shelves); the number after "Filter" is optional; Q defaults to 0.7071 where a type may leave
// it out; numbers take a decimal point, never a comma. Keywords are read in any case.
namespace FilterText {

struct Result
{
    std::optional<FilterFile> file;
    QString error; // "line N (text): why", when the file is refused
};

Result read(QStringView text);
// The file at path, or the reason it cannot be read.
Result readFile(const QString& path);

// The filters as text, after a comment line (left out when empty).
QString write(const FilterList& filters, const QString& comment);

} // namespace FilterText
