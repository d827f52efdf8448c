#include "MenuShowModel.h"

#include "MenuTable.h"

MenuShowModel::MenuShowModel(const MenuTable& table, const ParamModel::MenuShowFlags& flags,
                             QObject* parent)
    : QAbstractListModel(parent)
    , m_table(table)
{
    for (const MenuTable::Row& row : table.rows()) {
        m_ticked.append(!row.isHeader() && flags.at(row.address) == 0);
    }
    // A loaded list ticks only its headers, whatever its first click would do.
    tickHeaders();
}

int MenuShowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ticked.size());
}

QVariant MenuShowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_ticked.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_table.rows().at(index.row()).label;
    }
    if (role == Qt::CheckStateRole) {
        return m_ticked.at(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

bool MenuShowModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole) {
        return false;
    }
    setTicked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags MenuShowModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                           : Qt::NoItemFlags;
}

void MenuShowModel::setTicked(int row, bool ticked)
{
    if (m_table.rows().at(row).isHeader()) {
        const int end = m_table.sectionEnd(row);
        for (int r = row; r < end; ++r) {
            m_ticked[r] = ticked;
        }
        rowsChanged(row, end - 1);
        return;
    }
    m_ticked[row] = ticked;
    tickHeaders();
    rowsChanged(m_table.headerOf(row), row);
}

void MenuShowModel::tickAll(bool ticked)
{
    m_ticked.fill(ticked);
    rowsChanged(0, int(m_ticked.size()) - 1);
}

void MenuShowModel::writeTo(ParamModel::MenuShowFlags& flags) const
{
    for (int row = 0; row < m_ticked.size(); ++row) {
        const MenuTable::Row& entry = m_table.rows().at(row);
        if (!entry.isHeader()) {
            flags[entry.address] = m_ticked.at(row) ? 0 : 1;
        }
    }
}

void MenuShowModel::tickHeaders()
{
    for (int header : m_table.sectionStarts()) {
        const int end = m_table.sectionEnd(header);
        m_ticked[header] = std::any_of(m_ticked.begin() + header + 1, m_ticked.begin() + end,
                                       [](bool ticked) { return ticked; });
    }
}

void MenuShowModel::rowsChanged(int first, int last)
{
    Q_EMIT dataChanged(index(first), index(last), {Qt::CheckStateRole});
}
