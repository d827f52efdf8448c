#pragma once

#include "ParamModel.h"

#include <QCoreApplication>
#include <QDialog>

class MenuShowModel;
class QLabel;
class QListView;
class QPushButton;

// The menu-show window: one check box per front-panel menu entry, grouped under section headers
// (the rule of the ticks is MenuShowModel's). Saving writes the flags and closes; closing any
// other way changes no flag.
class MenuShowFrm : public QDialog
{
    Q_OBJECT

public:
    static QString caption()
    {
        return QCoreApplication::translate("MenuShowFrm", "设置单项菜单的显示与隐藏");
    }

    explicit MenuShowFrm(ParamModel::MenuShowFlags& flags, QWidget* parent = nullptr);

    bool isSaved() const { return m_saved; }
    MenuShowModel& model() { return *m_model; }

    QLabel* const hint;
    QListView* const entryList;
    QPushButton* const tickAllButton;   // tick all
    QPushButton* const untickAllButton; // untick all
    QPushButton* const saveButton;      // save

private:
    void save();

    ParamModel::MenuShowFlags& m_flags;
    MenuShowModel* m_model;
    bool m_saved = false;
};
