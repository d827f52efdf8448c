#pragma once

#include "BandTable.h"
#include "CookbookFilter.h"

#include <QList>
#include <QString>
#include <vector>

class ParamStore;

// One band of an EQ group as the processor stores it: frequency index, gain byte and Q byte
// (a cut uses only its index).
struct StoredBand
{
    BandKind kind = BandKind::Peaking;
    quint8 address = 0;
    quint8 index = 0;
    quint8 gain = 0;
    quint8 q = 0;

    // The band the graph and the processor's model work with.
    EqBand eqBand() const;
    // The same band as a line of a filter file: a peaking band with its real Q, a cut as the
    // high- or low-pass it is, with its fixed Q.
    CookbookFilter filter() const;
    // Whether the two bands sound the same: the same frequency, gain and Q, whatever bytes
    // encode them (Q bytes 31 to 34 all mean Q 4); a cut only by its frequency.
    bool soundsLike(const StoredBand& other) const;
};

// The bands of one EQ group in one mode, in the graph's order: the peaking bands by address,
// then the high cut, then the low cut.
class GroupBands
{
public:
    static GroupBands read(const ParamStore& store, int mode, int group);

    int group() const { return m_group; }
    std::vector<StoredBand>& bands() { return m_bands; }
    const std::vector<StoredBand>& bands() const { return m_bands; }

    // The bands as a filter file holds them.
    FilterList filters() const;
    // What a filter file of the bands says first: "Tonvexa EQ group 0 (music), mode 2".
    QString title(int mode) const;

    // The addresses whose bands sound different in before, in the graph's order.
    QList<int> changedAddresses(const GroupBands& before) const;
    // Stores the bands that sound different from before; a changed cut also gets the 0 dB gain
    // and Q 1.4 bytes that every edit of a cut writes.
    void writeChanges(ParamStore& store, int mode, const GroupBands& before) const;

private:
    int m_group = 0;
    std::vector<StoredBand> m_bands;
};
