#pragma once

#include "ParamModel.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

// What the password dialog accepts, without the dialog: the check of a typed password against
// the processor's, and the two stages of a change. A refusal names the message and the field
// that gets the focus back.
class PasswordRules
{
public:
    static constexpr int Length = int(std::tuple_size_v<ParamModel::DevicePassword>);
    // The receiver takes 0xFD and 0xFF out of every reply, so a password holding them could never
    // be read back; characters without a one-byte code cannot be stored at all. A new password is
    // printable ASCII; the check takes the processor's password as it is.
    static constexpr char16_t FirstAllowed = 32;
    static constexpr char16_t LastAllowed = 126;

    static QString enterPassword()
    {
        return QCoreApplication::translate("PasswordRules", "Please enter the password!");
    }
    static QString wrongLength()
    {
        return QCoreApplication::translate("PasswordRules", "Incorrect password length!");
    }
    static QString wrongPassword()
    {
        return QCoreApplication::translate("PasswordRules", "Wrong password!");
    }
    static QString enterOldPassword()
    {
        return QCoreApplication::translate("PasswordRules", "Please enter old password.");
    }
    static QString nineDigits()
    {
        return QCoreApplication::translate("PasswordRules", "Please enter 9 digits!");
    }
    static QString enterNewPassword()
    {
        return QCoreApplication::translate("PasswordRules", "Please enter your new password. ");
    }
    static QString notStorable()
    {
        return QCoreApplication::translate(
            "PasswordRules", "The password may hold only letters, digits, spaces and the "
                             "punctuation of a US keyboard "
                             "(ASCII characters 32 to 126). Please enter another password.");
    }
    static QString confirmationDiffers()
    {
        return QCoreApplication::translate(
            "PasswordRules",
            "Sorry! The password you confirmed is different to your new password!");
    }

    enum class Field
    {
        Password,     // Text1
        Confirmation, // Text2
    };

    struct Refusal
    {
        QString message;
        Field field;

        bool operator==(const Refusal&) const = default;
    };

    // The check that opens the hidden properties.
    static std::optional<Refusal> check(const QString& typed,
                                        const ParamModel::DevicePassword& password);
    // First stage of a change: the old password.
    static std::optional<Refusal> checkOld(const QString& typed,
                                           const ParamModel::DevicePassword& password);
    // Second stage: the new password and its confirmation.
    static std::optional<Refusal> checkNew(const QString& typed, const QString& confirmation);

    // Character by character, by code, whatever bytes the processor's password holds; a
    // character beyond U+00FF has no byte and never matches.
    static bool matches(const QString& typed, const ParamModel::DevicePassword& password);
    // The bytes of a password that checkNew accepted.
    static ParamModel::DevicePassword bytes(const QString& typed);
};
