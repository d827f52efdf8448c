// The window description parser on any text: it never fails without a line to point at, and a
// description it accepts is written as text that parses to the same text again.
#include "FormDescription.h"
#include "FormText.h"
#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    FormError error;
    const auto description = FormDescription::parse(text, QStringLiteral("fuzz.form"), error);
    if (!description) {
        FUZZ_CHECK(!error.message.isEmpty());
        return 0;
    }
    const QString written = formText(*description);
    FormError again;
    const auto reparsed = FormDescription::parse(written, QStringLiteral("written.form"), again);
    FUZZ_CHECK(reparsed);
    FUZZ_CHECK(formText(*reparsed) == written);
    return 0;
}
