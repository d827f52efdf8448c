#pragma once

#include <QList>
#include <QtGlobal>
#include <array>

// One of the processor's eight parametric equalisers.
struct EqGroup
{
    static constexpr quint8 None = 0xFF; // address of a filter the group does not have

    int bandCount;    // peaking bands offered on the graph
    quint8 firstBand; // the bands occupy consecutive addresses from here
    quint8 highCut;
    quint8 lowCut;
    quint8 bypass;
    int storedBandCount; // band addresses that hold three fields (the bass group keeps three)

    bool hasHighCut() const { return highCut != None; }
    bool hasLowCut() const { return lowCut != None; }

    // Every address a reset of the group rewrites, in the order it sends them: the bands the
    // graph offers, the high cut, the low cut, then the stored bands the graph does not offer
    // (the bass group's three).
    QList<int> resetAddresses() const;
};

// The eight EQ groups, read once from the processor's group and bypass text tables.
class EqGroupTable
{
public:
    static constexpr int GroupCount = 8;

    // Per group: band count, first band, high cut, low cut (&HFF: none).
    static constexpr const char* GroupText =
        "7,&H03,&HFF,&H01,  15,&H44,&H42,&H41,  7,&H57,&H55,&H54,  3,&H89,&H82,&H87,  "
        "3,&H16,&HFF,&HFF,  3,&H0F,&HFF,&HFF,  0,&H1F,&H1D,&H1C,  3,&H26,&HFF,&HFF";
    static constexpr const char* BypassText = "&H02,&H43,&H56,&H88,&H15,&H0E,&H1E,&H25";
    // The groups' names in the program's English texts, in the processor's order.
    static constexpr std::array<const char*, GroupCount> Names{
        "music",  "microphones 1-2", "microphone 3", "effect",
        "centre", "surround",        "bass",         "record"};

    static const EqGroupTable& instance();

    const EqGroup& group(int index) const;

    // Addresses whose three store fields are all in use: band addresses and cut filters.
    bool usesThreeFields(int address) const;

private:
    EqGroupTable();

    std::array<EqGroup, GroupCount> m_groups{};
};
