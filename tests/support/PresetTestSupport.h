#pragma once

#include "ParamModel.h"
#include "RecordingMessages.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <ftw.h>
#include <set>
#include <utility>

// Test doubles and an independent statement of what a preset file carries, typed from the
// file format's description rather than derived from the code under test.
namespace PresetTestSupport {

using ::RecordingMessages;

// Band addresses with three fields in a preset, per EQ group (the bass group has none).
inline const std::set<int>& presetBandAddresses()
{
    static const std::set<int> addresses = [] {
        std::set<int> a;
        const std::pair<int, int> ranges[] = {{3, 9},   {68, 82}, {87, 93}, {137, 139},
                                              {22, 24}, {15, 17}, {38, 40}};
        for (const auto& [first, last] : ranges) {
            for (int address = first; address <= last; ++address) {
                a.insert(address);
            }
        }
        return a;
    }();
    return addresses;
}

// Per-mode list (cut addresses of the EQ groups are all in it), in file order.
inline constexpr int PerModeList[] = {0,  1,  2,  10, 11,  12,  13,  14,  18,  19,  20,  21,  26,
                                      25, 27, 28, 29, 30,  34,  35,  36,  37,  64,  65,  66,  67,
                                      83, 84, 85, 86, 128, 129, 130, 131, 132, 133, 134, 135, 136};

// Whether a preset file holds store byte (field, mode, address).
inline bool presetCovers(ParamField field, int mode, int address)
{
    if (presetBandAddresses().count(address)) {
        return true;
    }
    if (field != ParamField::Value) {
        return false;
    }
    if (address >= 192 && address <= 205) {
        return mode == 0;
    }
    return std::find(std::begin(PerModeList), std::end(PerModeList), address) !=
           std::end(PerModeList);
}

// Random bytes everywhere; where `forPreset`, never 253 or 255 (a preset cannot hold them).
inline void fillRandom(ParamModel& model, quint32 seed, bool forPreset)
{
    QRandomGenerator random(seed);
    const auto next = [&] {
        quint8 b = quint8(random.bounded(256));
        while (forPreset && (b == 253 || b == 255)) {
            b = quint8(random.bounded(256));
        }
        return b;
    };
    ParamStore::Bytes bytes;
    std::generate(bytes.begin(), bytes.end(), next);
    model.store().setBytes(bytes);
    std::generate(model.menuShow().begin(), model.menuShow().end(), next);
    std::generate(model.password().begin(), model.password().end(), next);
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Empties a folder that may hold names Qt cannot spell (bytes that are not UTF-8), which
// QTemporaryDir would leave behind.
inline void emptyFolder(const QString& folder)
{
    ::nftw(
        QFile::encodeName(folder).constData(),
        [](const char* path, const struct stat*, int, FTW* at) {
            return at->level > 0 ? ::remove(path) : 0;
        },
        16, FTW_DEPTH | FTW_PHYS);
}

} // namespace PresetTestSupport
