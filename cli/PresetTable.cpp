#include "PresetTable.h"

#include "AddressText.h"
#include "BandEncoding.h"
#include "EchoDelayTable.h"
#include "FileName.h"
#include "ImportPreset.h"
#include "IniFile.h"
#include "ParamTable.h"
#include "PresetCodec.h"
#include "PresetFile.h"
#include "PresetKeys.h"

#include <QSet>

namespace {

const QString Missing = QStringLiteral("-");

QString scopeOf(const PresetKey& key)
{
    if (key.target == PresetKey::Target::MenuShow) {
        return QStringLiteral("MENUSHOW");
    }
    return key.name.startsWith("COMMON") ? QStringLiteral("COMMON") : QString::number(key.mode);
}

// What the bytes mean, where the program shows them as something other than the byte itself.
QString decoded(const PresetTable::Row& row)
{
    if (row.scope == u"MENUSHOW") {
        const auto flag = row.byte(0);
        return flag ? (*flag == 0 ? QStringLiteral("shown") : QStringLiteral("hidden")) : QString();
    }
    const ParamInfo* info = findParam(row.address);
    QList<int> bytes;
    for (qsizetype i = 0; i < row.values.size(); ++i) {
        const auto byte = row.byte(i);
        if (!byte) {
            return {};
        }
        bytes.append(*byte);
    }
    if (!info || bytes.isEmpty()) {
        return {};
    }
    using namespace BandEncoding;
    switch (info->kind) {
    case ParamKind::Band:
        if (bytes.size() == 3) {
            return QStringLiteral("%1 Hz %2 dB Q %3")
                .arg(FreqFromIndex(quint8(bytes[0])))
                .arg(GainFromByte(quint8(bytes[1])), 0, 'f', 1)
                .arg(QFromByte(quint8(bytes[2])), 0, 'f', 1);
        }
        return {};
    case ParamKind::Cut:
        return QStringLiteral("%1 Hz").arg(FreqFromIndex(quint8(bytes[0])));
    case ParamKind::EchoDelay:
        return bytes[0] < int(EchoDelayTable.size()) ? QString::number(EchoDelayTable[bytes[0]])
                                                     : QString();
    case ParamKind::ReverbTime:
        return QString::number(bytes[0] / 10.0, 'f', 1);
    default:
        return {};
    }
}

} // namespace

std::optional<quint8> PresetTable::Row::byte(qsizetype index) const
{
    const std::optional<QByteArray>& value = values.value(index);
    return value ? PresetCodec::parseByte(*value, PresetCodec::ValueRule::Preset) : std::nullopt;
}

bool PresetTable::Row::sameValues(const Row& other) const
{
    if (values.size() != other.values.size()) {
        return false;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const auto mine = byte(i);
        const auto theirs = other.byte(i);
        if (mine && theirs ? *mine != *theirs : values[i] != other.values[i]) {
            return false;
        }
    }
    return true;
}

QString PresetTable::Row::shownValues() const
{
    QStringList shown;
    for (const std::optional<QByteArray>& value : values) {
        shown.append(value ? FileName::shown(FileName::fromBytes(*value)) : Missing);
    }
    return shown.join(u' ');
}

QString PresetTable::Row::text() const
{
    return QStringList{scope, addressText(address), name.isEmpty() ? Missing : name, shownValues(),
                       decoded(*this)}
        .join(u'\t');
}

std::optional<PresetTable> PresetTable::read(const QString& path, QString& error)
{
    const auto bytes = PresetFile::read(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    const IniFile ini(*bytes);
    if (ini.value(PresetKeys::Section, PresetKeys::TypeKey) != PresetKeys::TypeTag) {
        error = PresetKeys::notAPresetMessage();
        return std::nullopt;
    }
    PresetTable table;
    ParamModel scratch;
    table.m_importProblem = readPresetKeys(ini, scratch);
    QSet<QByteArray> seen; // a cut address listed twice is one row
    for (const PresetKey& key : PresetKeys::all()) {
        if (seen.contains(key.name)) {
            continue;
        }
        seen.insert(key.name);
        const auto value = ini.value(PresetKeys::Section, key.name);
        if (value && table.m_badValue.isEmpty() &&
            !PresetCodec::parseByte(*value, PresetCodec::ValueRule::Preset)) {
            table.m_badValue = presetValueProblem(key.name, *value);
        }
        const QString scope = scopeOf(key);
        // The three fields of a band are three keys of one row.
        if (key.field != ParamField::Value && !table.m_rows.isEmpty() &&
            table.m_rows.back().scope == scope && table.m_rows.back().address == key.index) {
            table.m_rows.back().values.append(value);
            continue;
        }
        const ParamInfo* info = findParam(key.index);
        table.m_rows.append(
            {scope, key.index, info ? QString::fromUtf8(info->name) : QString(), {value}});
    }
    return table;
}
