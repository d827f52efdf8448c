#include "FilterText.h"

#include "DecimalNumber.h"
#include "FilterResponse.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace FilterText {

namespace {

// A filter file is a few hundred bytes; a megabyte is no filter file.
constexpr qint64 MaxBytes = 1024 * 1024;
constexpr double Nyquist = CookbookFilter::SampleRate / 2;
constexpr double MaxGainDb = 40;
constexpr double LowestHz = 1;
constexpr double LowestQ = 0.01;
constexpr double MaxQ = 100;
constexpr double MaxBandwidth = 10; // octaves
// Numbers are written with six decimals, and read to the same: what is read, written and read
// again is the same filter, and no bound is met only after rounding.
constexpr int Decimals = 6;
constexpr double DecimalUnit = 1e6;

double toWrittenDecimals(double value)
{
    return std::round(value * DecimalUnit) / DecimalUnit;
}

struct TypeName
{
    const char* name;
    FilterType type;
};

// Text names, the first of each type being the one written.
constexpr TypeName TypeNames[] = {
    {"PK", FilterType::Peaking},   {"PEQ", FilterType::Peaking},  {"LPQ", FilterType::LowPass},
    {"LP", FilterType::LowPass},   {"HPQ", FilterType::HighPass}, {"HP", FilterType::HighPass},
    {"LSC", FilterType::LowShelf}, {"LS", FilterType::LowShelf},  {"HSC", FilterType::HighShelf},
    {"HS", FilterType::HighShelf},
};

bool isWord(QStringView token, const char* word)
{
    return token.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// The words after "Filter N:", read left to right. The first problem sticks: later reads give
// nothing, and error() says what went wrong.
class FilterLine
{
    Q_DECLARE_TR_FUNCTIONS(FilterText)

public:
    explicit FilterLine(QStringView rest)
        : m_tokens(rest.toString().split(u' ', Qt::SkipEmptyParts))
    {}

    const QString& error() const { return m_error; }

    // The filter; nothing for one that is off or an empty slot, and for a refused line.
    std::optional<CookbookFilter> read()
    {
        const QString state = take(QT_TRANSLATE_NOOP("FilterText", "ON or OFF"));
        if (isWord(state, "OFF")) {
            return std::nullopt;
        }
        if (!isWord(state, "ON")) {
            fail(tr("ON or OFF expected, not \"%1\"").arg(state));
        }
        const QString typeName = take(QT_TRANSLATE_NOOP("FilterText", "a filter type"));
        if (!m_error.isEmpty() || isWord(typeName, "None")) {
            return std::nullopt;
        }
        CookbookFilter filter;
        filter.type = type(typeName);
        Fields fields;
        while (m_error.isEmpty() && m_next < m_tokens.size()) {
            readField(fields);
        }
        if (m_error.isEmpty()) {
            fail(fields.problem(filter.type));
        }
        if (!m_error.isEmpty()) {
            return std::nullopt;
        }
        filter.hz = *fields.hz;
        filter.gainDb = hasGain(filter.type) ? *fields.gain : 0;
        if (fields.q) {
            filter.q = *fields.q;
        } else if (fields.bandwidth) {
            filter.q =
                toWrittenDecimals(FilterResponse::qFromBandwidth(*fields.bandwidth, filter.hz));
            if (filter.q < LowestQ || filter.q > MaxQ) {
                fail(tr("BW Oct %1 at %2 Hz is Q %3, not from %4 to %5")
                         .arg(*fields.bandwidth)
                         .arg(filter.hz)
                         .arg(filter.q)
                         .arg(LowestQ)
                         .arg(MaxQ));
                return std::nullopt;
            }
        }
        return filter;
    }

private:
    struct Fields
    {
        std::optional<double> hz, gain, q, bandwidth;

        QString problem(FilterType type) const
        {
            if (!hz) {
                return tr("Fc is missing");
            }
            if (*hz < LowestHz || *hz >= Nyquist) {
                return tr("Fc must lie from %1 Hz to below %2 Hz").arg(LowestHz).arg(Nyquist);
            }
            if (hasGain(type) && !gain) {
                return tr("Gain is missing");
            }
            if (gain && std::abs(*gain) > MaxGainDb) {
                return tr("Gain must lie within %1 dB").arg(MaxGainDb);
            }
            if (q && bandwidth) {
                return tr("give Q or BW Oct, not both");
            }
            if (type == FilterType::Peaking && !q && !bandwidth) {
                return tr("a peaking filter needs Q or BW Oct");
            }
            if (q && (*q < LowestQ || *q > MaxQ)) {
                return tr("Q must lie from %1 to %2").arg(LowestQ).arg(MaxQ);
            }
            if (bandwidth && (*bandwidth <= 0 || *bandwidth > MaxBandwidth)) {
                return tr("BW Oct must lie above 0 and at most %1").arg(MaxBandwidth);
            }
            return {};
        }
    };

    static bool hasGain(FilterType type)
    {
        return type != FilterType::LowPass && type != FilterType::HighPass;
    }

    void fail(const QString& reason)
    {
        if (m_error.isEmpty()) {
            m_error = reason;
        }
    }

    QString take(const char* what)
    {
        if (!m_error.isEmpty()) {
            return {};
        }
        if (m_next >= m_tokens.size()) {
            fail(tr("%1 is missing").arg(tr(what)));
            return {};
        }
        return m_tokens[m_next++];
    }

    void expect(const char* word)
    {
        const QString token = take(word);
        if (m_error.isEmpty() && !isWord(token, word)) {
            fail(tr("\"%1\" expected, not \"%2\"").arg(QLatin1String(word), token));
        }
    }

    // Reads the number of a field that may be given once.
    void number(std::optional<double>& field, const char* name)
    {
        const QString text = take(QT_TRANSLATE_NOOP("FilterText", "a number"));
        if (!m_error.isEmpty()) {
            return;
        }
        const auto value = parseDecimal(text);
        if (!value) {
            fail(tr("%1 needs a number written with a decimal point, not \"%2\"")
                     .arg(QLatin1String(name), text));
        } else if (field) {
            fail(tr("%1 is given twice").arg(QLatin1String(name)));
        }
        field = value ? std::optional(toWrittenDecimals(*value)) : std::nullopt;
    }

    void readField(Fields& fields)
    {
        const QString key = take(QT_TRANSLATE_NOOP("FilterText", "a field"));
        if (isWord(key, "Fc")) {
            number(fields.hz, "Fc");
            expect("Hz");
        } else if (isWord(key, "Gain")) {
            number(fields.gain, "Gain");
            expect("dB");
        } else if (isWord(key, "Q")) {
            number(fields.q, "Q");
        } else if (isWord(key, "BW")) {
            expect("Oct");
            number(fields.bandwidth, "BW Oct");
        } else {
            fail(tr("\"%1\" is not Fc, Gain, Q or BW Oct").arg(key));
        }
    }

    FilterType type(const QString& name)
    {
        for (const TypeName& known : TypeNames) {
            if (isWord(name, known.name)) {
                return known.type;
            }
        }
        fail(tr("the filter type \"%1\" is not one of PK, PEQ, LP, LPQ, HP, HPQ, LS, "
                "LSC, HS, HSC")
                 .arg(name));
        return FilterType::Peaking;
    }

    QStringList m_tokens;
    qsizetype m_next = 0;
    QString m_error;
};

// The gain of a "Preamp:" line, or nothing when it does not read.
std::optional<double> preamp(const QString& rest)
{
    const QStringList tokens = rest.split(u' ', Qt::SkipEmptyParts);
    const auto value =
        tokens.size() == 2 && isWord(tokens[1], "dB") ? parseDecimal(tokens[0]) : std::nullopt;
    if (!value || std::abs(*value) > MaxGainDb) {
        return std::nullopt;
    }
    return value;
}

// Shortest decimal text of a value, with at least minDecimals decimals and never "-0".
QString decimal(double value, int minDecimals)
{
    QString text =
        QString::number(std::abs(value) < 0.5 / DecimalUnit ? 0.0 : value, 'f', Decimals);
    qsizetype end = text.size();
    const qsizetype point = end - Decimals - 1;
    while (end > point + 1 + minDecimals && text[end - 1] == u'0') {
        --end;
    }
    text.truncate(end == point + 1 ? point : end);
    return text;
}

const char* typeName(FilterType type)
{
    for (const TypeName& known : TypeNames) {
        if (known.type == type) {
            return known.name;
        }
    }
    return "PK";
}

} // namespace

Result read(QStringView text)
{
    static const QRegularExpression filterLine(QStringLiteral("^filter\\s*\\d*\\s*:(.*)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression preampLine(QStringLiteral("^preamp\\s*:(.*)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    FilterFile file;
    const QList<QStringView> lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toString().replace(u'\t', u' ');
        const auto refused = [&](const QString& reason) {
            return Result{std::nullopt,
                          QCoreApplication::translate("FilterText", "line %1 (%2): %3")
                              .arg(i + 1)
                              .arg(line, reason)};
        };
        if (line.isEmpty()) {
            continue;
        }
        if (const auto filterMatch = filterLine.match(line); filterMatch.hasMatch()) {
            FilterLine words(filterMatch.capturedView(1));
            const std::optional<CookbookFilter> filter = words.read();
            if (!words.error().isEmpty()) {
                return refused(words.error());
            }
            if (filter) {
                file.filters.append(*filter);
            } else {
                ++file.filtersOff;
            }
        } else if (const auto gain = preampLine.match(line); gain.hasMatch()) {
            file.preampDb = preamp(gain.captured(1));
            if (!file.preampDb) {
                return refused(QCoreApplication::translate(
                                   "FilterText", "Preamp needs a gain in dB within %1 dB, written "
                                                 "with a decimal point")
                                   .arg(MaxGainDb));
            }
        } else {
            ++file.skippedLines;
        }
    }
    return {file, {}};
}

Result readFile(const QString& path)
{
    QString error;
    const std::optional<QString> text = RegularFile::readText(path, MaxBytes, error);
    return text ? read(*text) : Result{std::nullopt, error};
}

QString write(const FilterList& filters, const QString& comment)
{
    QString text;
    if (!comment.isEmpty()) {
        text += QStringLiteral("# %1\n").arg(comment);
    }
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const CookbookFilter& f = filters[i];
        text += QStringLiteral("Filter %1: ON %2 Fc %3 Hz")
                    .arg(i + 1)
                    .arg(QLatin1String(typeName(f.type)), decimal(f.hz, 0));
        if (f.type != FilterType::LowPass && f.type != FilterType::HighPass) {
            text += QStringLiteral(" Gain %1 dB").arg(decimal(f.gainDb, 1));
        }
        text += QStringLiteral(" Q %1\n").arg(decimal(f.q, 0));
    }
    return text;
}

} // namespace FilterText
