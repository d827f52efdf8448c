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
                                       ParameterEdits::offlineMessage());
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
    ParamModel::MenuShowFlags& flags = m_context.model.menuShow();
    const ParamModel::MenuShowFlags before = flags;
    auto* menu = new MenuShowFrm(flags, &m_context.window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    co_await DialogResult(menu);
    if (!menu->isSaved()) {
        co_return;
    }
    int written = 0;
    if (m_context.online()) {
        written = co_await writeMenuFlags();
    }
    // The blocks the processor did not get keep its flags, in the program too, so that no
    // upload or preset carries flags it never had.
    for (int block = written; block < MenuBlockCount; ++block) {
        const ParamBlock& menuBlock = ParamBlocks[block];
        std::copy_n(before.begin() + menuBlock.base, menuBlock.size,
                    flags.begin() + menuBlock.base);
    }
    if (written == MenuBlockCount) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, menuSetMessage());
    }
}

QCoro::Task<bool> HiddenProperties::readPassword()
{
    // Nothing else may use the link meanwhile; when something already does, the key is ignored.
    LinkSequence sequence(m_context.link);
    m_context.window.setEnabled(false);
    const bool read = co_await sequence.SendFrame(Frames::Type::PasswordRead, 0, ParamAddress(0), 0,
                                                  ReplyTimeout::Normal);
    m_context.window.setEnabled(true);
    const QByteArray& reply = m_context.link.reply();
    ParamModel::DevicePassword& password = m_context.model.password();
    if (!read || reply.size() < qsizetype(password.size())) {
        co_return false;
    }
    std::copy_n(reply.constBegin(), password.size(), password.begin());
    co_return true;
}

QCoro::Task<int> HiddenProperties::writeMenuFlags()
{
    LinkSequence sequence(m_context.link);
    if (!sequence.isOpen()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, CmdPassword::busyMessage());
        co_return 0;
    }
    m_context.window.setEnabled(false);
    int written = 0;
    while (written < MenuBlockCount) {
        const bool answered = co_await sequence.SendFrame(Frames::Type::MenuShowWrite, 0,
                                                          ParamAddress(ParamBlocks[written].base),
                                                          0, ReplyTimeout::Normal);
        if (!answered) {
            break;
        }
        ++written;
    }
    m_context.window.setEnabled(true);
    co_return written;
}
