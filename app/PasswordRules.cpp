#include "PasswordRules.h"

namespace {

bool isStorable(QChar c)
{
    return c.unicode() >= PasswordRules::FirstAllowed && c.unicode() <= PasswordRules::LastAllowed;
}

} // namespace

std::optional<PasswordRules::Refusal>
PasswordRules::check(const QString& typed, const ParamModel::DevicePassword& password)
{
    if (typed.isEmpty()) {
        return Refusal{enterPassword(), Field::Password};
    }
    if (typed.size() != Length) {
        return Refusal{wrongLength(), Field::Password};
    }
    if (!matches(typed, password)) {
        return Refusal{wrongPassword(), Field::Password};
    }
    return std::nullopt;
}

std::optional<PasswordRules::Refusal>
PasswordRules::checkOld(const QString& typed, const ParamModel::DevicePassword& password)
{
    if (typed.isEmpty()) {
        return Refusal{enterOldPassword(), Field::Password};
    }
    if (typed.size() != Length) {
        return Refusal{nineDigits(), Field::Password};
    }
    if (!matches(typed, password)) {
        return Refusal{wrongPassword(), Field::Password};
    }
    return std::nullopt;
}

std::optional<PasswordRules::Refusal> PasswordRules::checkNew(const QString& typed,
                                                              const QString& confirmation)
{
    if (typed.isEmpty()) {
        return Refusal{enterNewPassword(), Field::Password};
    }
    if (typed.size() != Length) {
        return Refusal{nineDigits(), Field::Password};
    }
    if (!std::all_of(typed.begin(), typed.end(), isStorable)) {
        return Refusal{notStorable(), Field::Password};
    }
    if (confirmation != typed) {
        return Refusal{confirmationDiffers(), Field::Confirmation};
    }
    return std::nullopt;
}

bool PasswordRules::matches(const QString& typed, const ParamModel::DevicePassword& password)
{
    if (typed.size() != Length) {
        return false;
    }
    // The processor's bytes as they are: one set elsewhere may hold any byte, and a character
    // matches the byte of its one-byte (Latin-1) code.
    for (int i = 0; i < Length; ++i) {
        if (typed[i].unicode() != password[i]) {
            return false;
        }
    }
    return true;
}

ParamModel::DevicePassword PasswordRules::bytes(const QString& typed)
{
    ParamModel::DevicePassword result{};
    for (int i = 0; i < Length && i < typed.size(); ++i) {
        result[i] = quint8(typed[i].unicode());
    }
    return result;
}
