#include "HiddenProperties.h"

#include "CmdPassword.h"
#include "DeviceLink.h"
#include "DialogResult.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "MainWindowContext.h"
#include "MenuShowFrm.h"
#include "ParamBlocks.h"
#include "ParamModel.h"
#include "ParameterEdits.h"
#include "UserMessages.h"

#include <QWidget>

namespace {

// The menu-show flags travel in the three per-mode blocks; the common block has no menu entries.
constexpr int MenuBlockCount = 3;

} // namespace

HiddenProperties::HiddenProperties(MainWindowContext& context)
    : m_context(context)
{}

QCoro::Task<> HiddenProperties::run()
{
    if (!m_context.online()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation,
                                       ParameterEdits::OfflineMessage);
        co_return;
    }
    const bool read = co_await readPassword();
    if (!read) {
        co_return;
    }
    auto* password =
        new CmdPassword(m_context.model, m_context.link, m_context.messages, &m_context.window);
    password->setAttribute(Qt::WA_DeleteOnClose);
    co_await DialogResult(password);
    if (!password->PasswordOK()) {
        co_return;
    }
    auto* menu = new MenuShowFrm(m_context.model.menuShow(), &m_context.window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    co_await DialogResult(menu);
    if (!menu->isSaved() || !m_context.online()) {
        co_return;
    }
    const bool written = co_await writeMenuFlags();
    if (written) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, MenuSetMessage);
    }
}

QCoro::Task<bool> HiddenProperties::readPassword()
{
    // Nothing else may use the link meanwhile; when something already does, the key is ignored.
    LinkSequence sequence(m_context.link);
    m_context.window.setEnabled(false);
    const bool read =
        co_await sequence.SendFrame(Frames::PasswordRead, 0, 0, 0, ReplyTimeout::Normal);
    m_context.window.setEnabled(true);
    const QByteArray& reply = m_context.link.reply();
    ParamModel::DevicePassword& password = m_context.model.password();
    if (!read || reply.size() < qsizetype(password.size())) {
        co_return false;
    }
    std::copy_n(reply.constBegin(), password.size(), password.begin());
    co_return true;
}

QCoro::Task<bool> HiddenProperties::writeMenuFlags()
{
    LinkSequence sequence(m_context.link);
    if (!sequence.isOpen()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, CmdPassword::BusyMessage);
        co_return false;
    }
    m_context.window.setEnabled(false);
    bool written = true;
    for (int block = 0; block < MenuBlockCount && written; ++block) {
        written = co_await sequence.SendFrame(Frames::MenuShowWrite, 0, ParamBlocks[block].base, 0,
                                              ReplyTimeout::Normal);
    }
    m_context.window.setEnabled(true);
    co_return written;
}
