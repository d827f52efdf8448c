#pragma once

#include "ParamModel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <span>

// One key of a preset file and the byte of the parameter model it holds.
struct PresetKey
{
    enum class Target
    {
        Store,
        MenuShow,
        Password
    };

    QByteArray name;
    Target target;
    ParamField field = ParamField::Value;
    int mode = 0;
    int index = 0; // the address; for the password, the character position

    quint8 valueIn(const ParamModel& model) const;
    quint8& slotIn(ParamModel& model) const;
};

// The keys of the preset format, derived from the parameter tables: the band fields of every
// EQ group's bands and its cut filters, the other per-mode parameters, the common parameters
// and the menu-show flags. Key names spell every number in decimal.
class PresetKeys
{
public:
    static constexpr QByteArrayView Section = "Main";
    static constexpr QByteArrayView TypeKey = "Type";
    static constexpr QByteArrayView TypeTag = "ZEV001";
    // What the program says of a file whose "Type" is not the tag.
    static QString notAPresetMessage()
    {
        return QCoreApplication::translate("PresetKeys",
                                           "The file you imported is not a specific profile.");
    }
    static constexpr int MenuShowEntries = 255; // flags 0..254; flag 255 is no menu entry

    // Every parameter key in the order a preset file lists them ("Type" comes first, apart).
    // A cut address that is also a per-mode parameter appears twice, with the same target.
    static std::span<const PresetKey> all();

    static PresetKey band(int mode, int address, ParamField field); // GROUPg.ADDRa.DATA1..3
    static PresetKey perMode(int mode, int address);                // GROUPg.ADDRa
    static PresetKey common(int address);                           // COMMON.ADDRa
    static PresetKey menuShow(int address);                         // MENUSHOW.ADDRa
};
