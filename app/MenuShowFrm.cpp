#include "MenuShowFrm.h"

#include "AppStyle.h"
#include "MenuShowModel.h"
#include "MenuTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr char Hint[] = QT_TRANSLATE_NOOP(
    "MenuShowFrm", "点击相关菜单项前的复选框来设置显示（打勾）与隐藏（不打勾）。");
constexpr char TickAllCaption[] = QT_TRANSLATE_NOOP("MenuShowFrm", "都选上");
constexpr char UntickAllCaption[] = QT_TRANSLATE_NOOP("MenuShowFrm", "都不选");
constexpr char SaveCaption[] = QT_TRANSLATE_NOOP("MenuShowFrm", "保存设置");
constexpr QSize InitialSize(420, 600);

} // namespace

MenuShowFrm::MenuShowFrm(ParamModel::MenuShowFlags& flags, QWidget* parent)
    : QDialog(parent)
    , hint(new QLabel(tr(Hint), this))
    , entryList(new QListView(this))
    , tickAllButton(new QPushButton(tr(TickAllCaption), this))
    , untickAllButton(new QPushButton(tr(UntickAllCaption), this))
    , saveButton(new QPushButton(tr(SaveCaption), this))
    , m_flags(flags)
    , m_model(new MenuShowModel(MenuTable::instance(), flags, this))
{
    setWindowTitle(caption());
    setFont(AppStyle::dialogFont());
    const std::pair<QWidget*, const char*> names[] = {{hint, "Label1"},
                                                      {entryList, "List1"},
                                                      {tickAllButton, "Command1"},
                                                      {untickAllButton, "Command2"},
                                                      {saveButton, "Command3"}};
    for (const auto& [control, name] : names) {
        control->setObjectName(QLatin1String(name));
    }
    hint->setWordWrap(true);
    entryList->setModel(m_model);
    AppStyle::showCheckBoxOutlines(*entryList);
    entryList->setUniformItemSizes(true);
    entryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entryList->scrollToTop();

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {tickAllButton, untickAllButton, saveButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(entryList, 1);
    layout->addLayout(buttons);
    resize(InitialSize);

    connect(tickAllButton, &QPushButton::clicked, this, [this] { m_model->tickAll(true); });
    connect(untickAllButton, &QPushButton::clicked, this, [this] { m_model->tickAll(false); });
    connect(saveButton, &QPushButton::clicked, this, &MenuShowFrm::save);
}

void MenuShowFrm::save()
{
    m_model->writeTo(m_flags);
    m_saved = true;
    accept();
}
