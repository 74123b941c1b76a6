#pragma once

#include <QString>
#include <stdexcept>

// Bad input on the command line: the window's message, exit status 2, nothing computed.
class CliError : public std::runtime_error
{
public:
    explicit CliError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};
