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

const QString Hint = QStringLiteral("点击相关菜单项前的复选框来设置显示（打勾）与隐藏（不打勾）。");
const QString TickAllCaption = QStringLiteral("都选上");
const QString UntickAllCaption = QStringLiteral("都不选");
const QString SaveCaption = QStringLiteral("保存设置");
constexpr QSize InitialSize(420, 600);

} // namespace

MenuShowFrm::MenuShowFrm(ParamModel::MenuShowFlags& flags, QWidget* parent)
    : QDialog(parent)
    , Label1(new QLabel(Hint, this))
    , List1(new QListView(this))
    , Command1(new QPushButton(TickAllCaption, this))
    , Command2(new QPushButton(UntickAllCaption, this))
    , Command3(new QPushButton(SaveCaption, this))
    , m_flags(flags)
    , m_model(new MenuShowModel(MenuTable::instance(), flags, this))
{
    setWindowTitle(Caption);
    setFont(AppStyle::dialogFont());
    const std::pair<QWidget*, const char*> names[] = {{Label1, "Label1"},
                                                      {List1, "List1"},
                                                      {Command1, "Command1"},
                                                      {Command2, "Command2"},
                                                      {Command3, "Command3"}};
    for (const auto& [control, name] : names) {
        control->setObjectName(QLatin1String(name));
    }
    Label1->setWordWrap(true);
    List1->setModel(m_model);
    AppStyle::showCheckBoxOutlines(*List1);
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->scrollToTop();

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {Command1, Command2, Command3}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);
    resize(InitialSize);

    connect(Command1, &QPushButton::clicked, this, [this] { m_model->tickAll(true); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_model->tickAll(false); });
    connect(Command3, &QPushButton::clicked, this, &MenuShowFrm::save);
}

void MenuShowFrm::save()
{
    m_model->writeTo(m_flags);
    m_saved = true;
    accept();
}
