// The filter-text and measurement readers on any bytes a file may hold: a filter file that
// reads is written and read again to the same filters, and a measurement that reads rises in
// frequency with finite values.
#include "FilterText.h"
#include "FuzzCheck.h"
#include "MeasurementText.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const FilterText::Result filters = FilterText::read(text);
    FUZZ_CHECK(filters.file.has_value() == filters.error.isEmpty());
    if (filters.file) {
        const FilterText::Result again =
            FilterText::read(FilterText::write(filters.file->filters, QStringLiteral("again")));
        FUZZ_CHECK(again.file && again.file->filters.size() == filters.file->filters.size());
        for (qsizetype i = 0; i < filters.file->filters.size(); ++i) {
            const CookbookFilter& a = filters.file->filters[i];
            const CookbookFilter& b = again.file->filters[i];
            // Written with six decimals.
            FUZZ_CHECK(a.type == b.type && std::abs(a.hz - b.hz) < 1e-6 &&
                       std::abs(a.gainDb - b.gainDb) < 1e-6 && std::abs(a.q - b.q) < 1e-6);
        }
    }
    const MeasurementText::Result measured = MeasurementText::read(text);
    FUZZ_CHECK(measured.response.has_value() == measured.error.isEmpty());
    if (measured.response) {
        const MeasuredResponse& r = *measured.response;
        FUZZ_CHECK(r.hz.size() == r.db.size() && r.hz.size() >= 2);
        for (std::size_t i = 0; i < r.hz.size(); ++i) {
            FUZZ_CHECK(std::isfinite(r.hz[i]) && std::isfinite(r.db[i]) && r.hz[i] > 0);
            FUZZ_CHECK(i == 0 || r.hz[i] > r.hz[i - 1]);
        }
    }
    return 0;
}
