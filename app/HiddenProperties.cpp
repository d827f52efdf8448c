#include "HiddenProperties.h"

#include "CmdPassword.h"
#include "DeviceLink.h"
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

void HiddenProperties::run()
{
    if (!m_context.online()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation,
                                       ParameterEdits::OfflineMessage);
        return;
    }
    if (!readPassword()) {
        return;
    }
    CmdPassword password(m_context.model, m_context.link, m_context.messages, &m_context.window);
    password.exec();
    if (!password.PasswordOK()) {
        return;
    }
    MenuShowFrm menu(m_context.model.menuShow(), &m_context.window);
    menu.exec();
    if (!menu.isSaved() || !m_context.online()) {
        return;
    }
    if (writeMenuFlags()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, MenuSetMessage);
    }
}

bool HiddenProperties::readPassword()
{
    // Nothing else may use the link meanwhile; when something already does, the key is ignored.
    LinkSequence sequence(m_context.link);
    m_context.window.setEnabled(false);
    const bool read = sequence.SendFrame(Frames::PasswordRead, 0, 0, 0, ReplyTimeout::Normal);
    m_context.window.setEnabled(true);
    const QByteArray& reply = m_context.link.reply();
    ParamModel::DevicePassword& password = m_context.model.password();
    if (!read || reply.size() < qsizetype(password.size())) {
        return false;
    }
    std::copy_n(reply.constBegin(), password.size(), password.begin());
    return true;
}

bool HiddenProperties::writeMenuFlags()
{
    LinkSequence sequence(m_context.link);
    m_context.window.setEnabled(false);
    if (!sequence.isOpen()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, CmdPassword::BusyMessage);
    }
    bool written = sequence.isOpen();
    for (int block = 0; block < MenuBlockCount && written; ++block) {
        written = sequence.SendFrame(Frames::MenuShowWrite, 0, ParamBlocks[block].base, 0,
                                     ReplyTimeout::Normal);
    }
    m_context.window.setEnabled(true);
    return written;
}
