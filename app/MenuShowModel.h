#pragma once

#include "ParamModel.h"

#include <QAbstractListModel>
#include <QList>

class MenuTable;

// The menu-show window's list: one checkable row per row of the menu table, an entry ticked when
// the processor's menu shows it. Ticks follow the section rule: ticking or unticking a header
// does the same to every entry of its section, and a header is ticked exactly when at least one
// entry of its section is. The flags change only through writeTo(), so closing the window
// without saving changes nothing.
class MenuShowModel : public QAbstractListModel
{
    Q_OBJECT

public:
    MenuShowModel(const MenuTable& table, const ParamModel::MenuShowFlags& flags,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool isTicked(int row) const { return m_ticked.at(row); }
    void setTicked(int row, bool ticked);
    void tickAll(bool ticked);
    // Every entry's flag: 0 when ticked (shown), 1 when not (hidden). Headers have no flag.
    void writeTo(ParamModel::MenuShowFlags& flags) const;

private:
    void tickHeaders();
    void rowsChanged(int first, int last);

    const MenuTable& m_table;
    QList<bool> m_ticked;
};
