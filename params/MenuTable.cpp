#include "MenuTable.h"

#include "ParamTable.h"

namespace {

// The menu's sections in its own order: the header's label, then the addresses of the entries,
// each labelled with its parameter's name.
struct Section
{
    const char* header; // marked for translation
    QList<int> addresses;
};

const QList<Section> Sections{
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 音量分配 ---------"),
     {0x40, 0x53, 0x0B, 0x0C, 0x12, 0x13, 0x19, 0x1A, 0x22, 0x23, 0x14, 0x0D, 0x24, 0x1B, 0x00,
      0x0A}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 音乐均衡 ---------"),
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 话筒 1-2 均衡 ---------"),
     {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
      0x50, 0x51, 0x52}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 话筒 3 均衡 ---------"),
     {0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 效果均衡 ---------"),
     {0x87, 0x82, 0x88, 0x89, 0x8A, 0x8B}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 环绕（辅助）均衡 ---------"),
     {0x0E, 0x0F, 0x10, 0x11}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 中置均衡 ---------"), {0x15, 0x16, 0x17, 0x18}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 低音均衡 ---------"),
     {0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 录音均衡 ---------"), {0x25, 0x26, 0x27, 0x28}},
    {QT_TRANSLATE_NOOP("MenuTable", "--------- 效果参数 ---------"),
     {0x80, 0x81, 0x83, 0x84, 0x86, 0x85}},
};

} // namespace

const MenuTable& MenuTable::instance()
{
    static const MenuTable table;
    return table;
}

MenuTable::MenuTable()
{
    for (const Section& section : Sections) {
        m_sectionStarts.append(int(m_rows.size()));
        m_rows.append({QCoreApplication::translate("MenuTable", section.header), HeaderAddress});
        for (int address : section.addresses) {
            m_rows.append({shownName(*findParam(address)), address});
        }
    }
}

int MenuTable::headerOf(int row) const
{
    int header = 0;
    for (int start : m_sectionStarts) {
        if (start <= row) {
            header = start;
        }
    }
    return header;
}

int MenuTable::sectionEnd(int headerRow) const
{
    for (int start : m_sectionStarts) {
        if (start > headerRow) {
            return start;
        }
    }
    return int(m_rows.size());
}
