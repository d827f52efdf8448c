#include "HidReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace HidReportDescriptor {

namespace {

// Item layout of the HID class definition: a one-byte prefix (tag, type, data size) followed by
// 0, 1, 2 or 4 data bytes, or the long-item prefix 0xFE with its own size and tag bytes.
constexpr quint8 LongItemPrefix = 0xFE;
constexpr int LongItemHeaderSize = 3;

enum class ItemType
{
    Main = 0,
    Global = 1,
    Local = 2,
    Reserved = 3
};

constexpr int MainInputTag = 0x8;
constexpr int MainOutputTag = 0x9;
constexpr int GlobalReportSizeTag = 0x7;
constexpr int GlobalReportIdTag = 0x8;
constexpr int GlobalReportCountTag = 0x9;
constexpr int GlobalPushTag = 0xA;
constexpr int GlobalPopTag = 0xB;

// The kernel refuses reports beyond this size (HID_MAX_BUFFER_SIZE); a descriptor declaring a
// longer one is corrupt.
constexpr quint64 MaxReportBits = 4096 * 8;

struct GlobalState
{
    quint32 reportSize = 0; // bits per field
    quint32 reportCount = 0;
    quint32 reportId = 0;
};

quint32 littleEndianValue(QByteArrayView data)
{
    quint32 value = 0;
    for (qsizetype i = data.size(); i-- > 0;) {
        value = (value << 8) | quint8(data[i]);
    }
    return value;
}

// Bits declared per report id, for one direction.
using ReportBits = std::map<quint32, quint64>;

int lengthInBytes(const ReportBits& reports)
{
    quint64 longest = 0;
    for (const auto& [id, bits] : reports) {
        longest = std::max(longest, bits);
    }
    if (longest == 0) {
        return HidReports::DefaultReportLength;
    }
    return int(1 + (longest + 7) / 8);
}

} // namespace

ReportLengths reportLengths(QByteArrayView descriptor)
{
    ReportBits inputBits;
    ReportBits outputBits;
    GlobalState state;
    std::vector<GlobalState> pushed;

    qsizetype pos = 0;
    while (pos < descriptor.size()) {
        const quint8 prefix = quint8(descriptor[pos]);
        if (prefix == LongItemPrefix) {
            // Long items carry vendor data only; step over them.
            if (pos + LongItemHeaderSize > descriptor.size()) {
                return {};
            }
            pos += LongItemHeaderSize + quint8(descriptor[pos + 1]);
            if (pos > descriptor.size()) {
                return {};
            }
            continue;
        }
        const int sizeCode = prefix & 0x3;
        const qsizetype dataSize = sizeCode == 3 ? 4 : sizeCode;
        const auto type = ItemType((prefix >> 2) & 0x3);
        const int tag = prefix >> 4;
        if (pos + 1 + dataSize > descriptor.size()) {
            return {};
        }
        const quint32 value = littleEndianValue(descriptor.sliced(pos + 1, dataSize));
        pos += 1 + dataSize;

        if (type == ItemType::Global) {
            switch (tag) {
            case GlobalReportSizeTag:
                state.reportSize = value;
                break;
            case GlobalReportCountTag:
                state.reportCount = value;
                break;
            case GlobalReportIdTag:
                state.reportId = value;
                break;
            case GlobalPushTag:
                pushed.push_back(state);
                break;
            case GlobalPopTag:
                if (pushed.empty()) {
                    return {};
                }
                state = pushed.back();
                pushed.pop_back();
                break;
            default:
                break;
            }
        } else if (type == ItemType::Main && (tag == MainInputTag || tag == MainOutputTag)) {
            const quint64 bits = quint64(state.reportSize) * state.reportCount;
            quint64& total = (tag == MainInputTag ? inputBits : outputBits)[state.reportId];
            if (bits > MaxReportBits || total + bits > MaxReportBits) {
                return {};
            }
            total += bits;
        }
    }
    return {lengthInBytes(inputBits), lengthInBytes(outputBits)};
}

} // namespace HidReportDescriptor
