#pragma once

#include <QString>
#include <stdexcept>

// A value read from a database that cannot become the number the calculation needs.
// Callers that know the enterprise and the column add them with WithContext().
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(QString value, QString reason = {});

    const QString& Value() const { return value_; }
    const QString& Reason() const { return reason_; }
    const QString& Context() const { return context_; }

    ConversionError WithContext(const QString& context) const;
    QString UserText() const;

private:
    QString value_;
    QString reason_;
    QString context_;
};
