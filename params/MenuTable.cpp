#include "MenuTable.h"

#include "NumberLiteral.h"

namespace {

// Label and address pairs, split at ","; a label that begins with "-" heads a section.
const QString MenuText = QStringLiteral(
    "--------- 音量分配 ---------,&HFF,"
    "话筒1-2音量,&H40,话筒3音量,&H53,辅助-音乐音量,&HB,辅助-话筒音量,&HC,"
    "中置-音乐音量,&H12,中置-话筒音量,&H13,低音-话筒开启前音量,&H19,低音-话筒开启后音量,&H1A,"
    "录音-音乐音量,&H22,录音-话筒音量,&H23,效果进中置,&H14,效果进环绕,&HD,效果进录音,&H24,"
    "低音相位,&H1B,主通道音乐均衡,&H0,辅通道音乐均衡,&HA,"
    "--------- 音乐均衡 ---------,&HFF,"
    "音乐低切,&H1,音乐旁通,&H2,音乐EQ1,&H3,音乐EQ2,&H4,音乐EQ3,&H5,音乐EQ4,&H6,音乐EQ5,&H7,"
    "音乐EQ6,&H8,音乐EQ7,&H9,"
    "--------- 话筒 1-2 均衡 ---------,&HFF,"
    "话筒低切,&H41,话筒高切,&H42,话筒旁通,&H43,话筒EQ1,&H44,话筒EQ2,&H45,话筒EQ3,&H46,"
    "话筒EQ4,&H47,话筒EQ5,&H48,话筒EQ6,&H49,话筒EQ7,&H4A,话筒EQ8,&H4B,话筒EQ9,&H4C,"
    "话筒EQ10,&H4D,话筒EQ11,&H4E,话筒EQ12,&H4F,话筒EQ13,&H50,话筒EQ14,&H51,话筒EQ15,&H52,"
    "--------- 话筒 3 均衡 ---------,&HFF,"
    "话筒低切,&H54,话筒高切,&H55,话筒旁通,&H56,话筒EQ1,&H57,话筒EQ2,&H58,话筒EQ3,&H59,"
    "话筒EQ4,&H5A,话筒EQ5,&H5B,话筒EQ6,&H5C,话筒EQ7,&H5D,"
    "--------- 效果均衡 ---------,&HFF,"
    "效果低切,&H87,效果高切,&H82,效果旁通,&H88,效果EQ1,&H89,效果EQ2,&H8A,效果EQ3,&H8B,"
    "--------- 环绕（辅助）均衡 ---------,&HFF,"
    "环绕旁通,&HE,环绕EQ1,&HF,环绕EQ2,&H10,环绕EQ3,&H11,"
    "--------- 中置均衡 ---------,&HFF,"
    "中置旁通,&H15,中置EQ1,&H16,中置EQ2,&H17,中置EQ3,&H18,"
    "--------- 低音均衡 ---------,&HFF,"
    "低音低切,&H1C,低音高切,&H1D,低音旁通,&H1E,低音EQ1,&H1F,低音EQ2,&H20,低音EQ3,&H21,"
    "--------- 录音均衡 ---------,&HFF,"
    "录音旁通,&H25,录音EQ1,&H26,录音EQ2,&H27,录音EQ3,&H28,"
    "--------- 效果参数 ---------,&HFF,"
    "回声次数,&H80,回声延时,&H81,回声音量,&H83,残响音量,&H84,残响延时,&H86,残响时间,&H85");

} // namespace

const MenuTable& MenuTable::instance()
{
    static const MenuTable table;
    return table;
}

MenuTable::MenuTable()
{
    const QStringList parts = MenuText.split(u',');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        const bool header = label.startsWith(u'-');
        if (header) {
            m_sectionStarts.append(int(m_rows.size()));
        }
        const int address = header ? HeaderAddress : int(parseNumberLiteral(parts[i + 1]).value());
        m_rows.append({label, address});
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
