#include "DatabaseError.h"

DatabaseError::DatabaseError(QString statement, QString message)
    : std::runtime_error((message + QStringLiteral(" [") + statement + QStringLiteral("]")).toStdString()),
      statement_(std::move(statement)), message_(std::move(message))
{
}

QString DatabaseError::UserText() const
{
    if (statement_.isEmpty())
        return QStringLiteral("数据库错误：") + message_;
    return QStringLiteral("数据库错误：") + message_ + QStringLiteral("\n\n") + statement_;
}
