#pragma once

#include <QString>
#include <stdexcept>

// Every failure of the data store: the statement that failed and what the engine said.
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(QString statement, QString message);

    const QString& Statement() const { return statement_; }
    const QString& Message() const { return message_; }
    // Text for a message box: the engine's message, then the statement.
    QString UserText() const;

private:
    QString statement_;
    QString message_;
};
