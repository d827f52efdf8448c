#include "CmdPassword.h"

#include "AppStyle.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "ParamModel.h"
#include "PasswordRules.h"
#include "Twips.h"
#include "UserMessages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr char CheckCaption[] = QT_TRANSLATE_NOOP("CmdPassword", "Hidden Properties");
constexpr char ChangeCaption[] = QT_TRANSLATE_NOOP("CmdPassword", "Change Password");
constexpr char SaveCaption[] = QT_TRANSLATE_NOOP("CmdPassword", "Save Password");
constexpr char EnterCaption[] = QT_TRANSLATE_NOOP("CmdPassword", "Please enter admin password:");
constexpr char NewPasswordCaption[] = QT_TRANSLATE_NOOP(
    "CmdPassword", "Enter a new password: 9 characters, must be numbers and letters");
constexpr char ConfirmCaption[] = QT_TRANSLATE_NOOP("CmdPassword", "Enter the new password again:");

// The design in twips. Heights of the window are its outer heights, caption and borders
// included, as the design measures them.
constexpr int ClientWidth = 4680;
constexpr int CaptionAndBorders = 465;
constexpr int FirstStageHeight = 2115;
constexpr int SecondStageHeight = 2685;
constexpr int FirstStageButtonTop = 1080;
constexpr int SecondStageButtonTop = 1650;
constexpr QRectF PromptPlace(240, 90, 4200, 480);
constexpr QRectF EntryPlace(240, 600, 4200, 345);
constexpr QRectF ConfirmPromptPlace(240, 1020, 4200, 270);
constexpr QRectF ConfirmEntryPlace(240, 1290, 4200, 345);
constexpr double ButtonWidth = 1980;
constexpr double ButtonHeight = 405;
constexpr double CheckButtonLeft = 240;
constexpr double ChangeButtonLeft = 2460;

QLineEdit* passwordField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(PasswordRules::Length);
    // The mask is "*", whatever the style would draw.
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return field;
}

void place(QWidget* widget, const QRectF& twips)
{
    widget->setGeometry(twipsToPixels(twips));
}

} // namespace

CmdPassword::CmdPassword(ParamModel& model, DeviceLink& link, UserMessages& messages,
                         QWidget* parent)
    : QDialog(parent)
    , prompt(new QLabel(tr(EnterCaption), this))
    , passwordEntry(passwordField(this))
    , confirmPrompt(new QLabel(tr(ConfirmCaption), this))
    , confirmEntry(passwordField(this))
    , checkButton(new QPushButton(tr(CheckCaption), this))
    , changeButton(new QPushButton(tr(ChangeCaption), this))
    , m_model(model)
    , m_link(link)
    , m_messages(messages)
{
    setWindowTitle(caption());
    setFont(AppStyle::dialogFont());
    const std::pair<QWidget*, const char*> names[] = {
        {prompt, "Label1"},      {passwordEntry, "Text1"},  {confirmPrompt, "Label2"},
        {confirmEntry, "Text2"}, {checkButton, "Command1"}, {changeButton, "Command2"}};
    for (const auto& [control, name] : names) {
        control->setObjectName(QLatin1String(name));
    }
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    place(prompt, PromptPlace);
    place(passwordEntry, EntryPlace);
    place(confirmPrompt, ConfirmPromptPlace);
    place(confirmEntry, ConfirmEntryPlace);
    confirmPrompt->hide();
    confirmEntry->hide();
    for (QPushButton* button : {checkButton, changeButton}) {
        // Enter belongs to the password check, never to the button that has the focus.
        button->setAutoDefault(false);
    }
    placeButtons(FirstStageButtonTop);
    setFixedSize(
        twipsToPixels(QRectF(0, 0, ClientWidth, FirstStageHeight - CaptionAndBorders)).size());
    connect(checkButton, &QPushButton::clicked, this, &CmdPassword::checkPassword);
    connect(changeButton, &QPushButton::clicked, this, &CmdPassword::changePassword);
    passwordEntry->setFocus();
}

void CmdPassword::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // In the second stage the check's button is disabled: Enter saves the new password.
        if (m_stage == Stage::NewPassword) {
            changePassword();
        } else {
            checkPassword();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CmdPassword::checkPassword()
{
    if (const auto refusal = PasswordRules::check(passwordEntry->text(), m_model.password())) {
        refuse(refusal->message, passwordEntry);
        return;
    }
    m_passwordOK = true;
    accept();
}

void CmdPassword::changePassword()
{
    if (m_stage == Stage::NewPassword) {
        saveNewPassword();
        return;
    }
    if (const auto refusal = PasswordRules::checkOld(passwordEntry->text(), m_model.password())) {
        refuse(refusal->message, passwordEntry);
        return;
    }
    enterSecondStage();
}

void CmdPassword::enterSecondStage()
{
    m_stage = Stage::NewPassword;
    changeButton->setText(tr(SaveCaption));
    checkButton->setEnabled(false);
    prompt->setText(tr(NewPasswordCaption));
    confirmPrompt->show();
    confirmEntry->show();
    placeButtons(SecondStageButtonTop);
    setFixedSize(
        twipsToPixels(QRectF(0, 0, ClientWidth, SecondStageHeight - CaptionAndBorders)).size());
    passwordEntry->clear();
    passwordEntry->setFocus();
}

QCoro::Task<> CmdPassword::saveNewPassword()
{
    if (const auto refusal = PasswordRules::checkNew(passwordEntry->text(), confirmEntry->text())) {
        refuse(refusal->message,
               refusal->field == PasswordRules::Field::Confirmation ? confirmEntry : passwordEntry);
        co_return;
    }
    const ParamModel::DevicePassword previous = m_model.password();
    m_model.password() = PasswordRules::bytes(passwordEntry->text());
    bool written = false;
    bool busy = false;
    setEnabled(false);
    {
        LinkSequence sequence(m_link);
        busy = !sequence.isOpen();
        written = co_await sequence.SendFrame(Frames::Type::PasswordWrite, 0, ParamAddress(0), 0,
                                              ReplyTimeout::Normal);
    }
    setEnabled(true);
    if (!written) {
        // The processor kept its password (a failed send has said so); so does the program.
        m_model.password() = previous;
        if (busy) {
            refuse(busyMessage(), passwordEntry);
        }
        co_return;
    }
    m_messages.showMessage(UserMessages::Icon::Exclamation, changedMessage(), [this] { accept(); });
}

void CmdPassword::placeButtons(int topTwips)
{
    place(checkButton, QRectF(CheckButtonLeft, topTwips, ButtonWidth, ButtonHeight));
    place(changeButton, QRectF(ChangeButtonLeft, topTwips, ButtonWidth, ButtonHeight));
}

void CmdPassword::refuse(const QString& message, QLineEdit* field)
{
    // First: the box takes the focus, and gives it back to the dialog's focus widget on closing.
    field->setFocus();
    m_messages.showMessage(UserMessages::Icon::Exclamation, message);
}
