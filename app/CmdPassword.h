#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QDialog>

class DeviceLink;
class ParamModel;
class QLabel;
class QLineEdit;
class QPushButton;
class UserMessages;

// The administrator password dialog. Its check (checkButton, or Enter in the first stage) compares
// what was typed with the processor's password, read just before the dialog opened, and on a
// match sets PasswordOK and closes. Its change (changeButton, or Enter in the second stage) asks
// for the old password, then for the new one twice, and writes it to the processor, the dialog
// disabled until the processor answers; a write that fails leaves the program's copy at the old
// password, as the processor still has it. A refusal's message box comes back to the field to
// correct.
class CmdPassword : public QDialog
{
    Q_OBJECT

public:
    static QString caption()
    {
        return QCoreApplication::translate("CmdPassword", "Password management:");
    }
    static QString changedMessage()
    {
        return QCoreApplication::translate("CmdPassword", "Password is changed.");
    }
    static QString busyMessage()
    {
        return QCoreApplication::translate("CmdPassword",
                                           "The device is busy. Please try again in a moment.");
    }

    CmdPassword(ParamModel& model, DeviceLink& link, UserMessages& messages,
                QWidget* parent = nullptr);

    // True only when the typed password matched; read after the dialog has closed.
    bool PasswordOK() const { return m_passwordOK; }
    bool isChangingToNew() const { return m_stage == Stage::NewPassword; }

    QLabel* const prompt;
    QLineEdit* const passwordEntry;
    QLabel* const confirmPrompt;
    QLineEdit* const confirmEntry;
    QPushButton* const checkButton;
    QPushButton* const changeButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Stage
    {
        OldPassword,
        NewPassword,
    };

    void checkPassword();
    void changePassword();
    void enterSecondStage();
    QCoro::Task<> saveNewPassword();
    void placeButtons(int topTwips);
    void refuse(const QString& message, QLineEdit* field);

    ParamModel& m_model;
    DeviceLink& m_link;
    UserMessages& m_messages;
    Stage m_stage = Stage::OldPassword;
    bool m_passwordOK = false;
};
