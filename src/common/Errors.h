#pragma once

#include <QString>
#include <stdexcept>

namespace vorn {

// The one failure family of the program. Every failure that reaches a user carries its
// Polish text (and, for errors of the Administrator module, its code such as "AD_0010").
// Services throw; the dialog or command boundary catches and shows it.
class VornError : public std::runtime_error
{
public:
    explicit VornError(const QString& message, const QString& code = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
    {
    }
    const QString& message() const { return m_message; }
    const QString& code() const { return m_code; }

private:
    QString m_message;
    QString m_code;
};

// Input the user typed that cannot be accepted; the dialog stays open.
class ValidationError : public VornError
{
public:
    using VornError::VornError;
};

// A table, file or database could not be read or written.
class DataError : public VornError
{
public:
    using VornError::VornError;
};

// Another user changed what this operation read; nothing of the operation was kept.
class ConflictError : public DataError
{
public:
    using DataError::DataError;
};

} // namespace vorn
