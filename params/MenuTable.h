#pragma once

#include <QList>
#include <QString>

// The rows of the processor's front-panel menu as the menu-show window lists them: ten section
// headers, each followed by the entries of its section, 93 rows in all. The 83 entries are the
// addresses of the three per-mode parameter blocks, each exactly once.
class MenuTable
{
public:
    static constexpr int HeaderAddress = 0xFF;

    struct Row
    {
        QString label;
        int address; // HeaderAddress for a section header

        bool isHeader() const { return address == HeaderAddress; }
    };

    static const MenuTable& instance();

    const QList<Row>& rows() const { return m_rows; }
    // The row of each section's header, in list order.
    const QList<int>& sectionStarts() const { return m_sectionStarts; }
    // The header row of the section a row belongs to.
    int headerOf(int row) const;
    // One past the last entry row of the section that starts at headerRow.
    int sectionEnd(int headerRow) const;

private:
    MenuTable();

    QList<Row> m_rows;
    QList<int> m_sectionStarts;
};
