#include "ImportError.h"

ImportError::ImportError(Kind kind, QString message)
    : std::runtime_error(message.toStdString()), kind_(kind), message_(std::move(message))
{
}

ImportError ImportError::InRecord(const QString& file, long long record, const QString& field, const QString& what)
{
    QString text = file;
    if (record > 0)
        text += QStringLiteral("，第 %1 条记录").arg(record);
    if (!field.isEmpty())
        text += QStringLiteral("，字段 ") + field;
    return ImportError(Kind::BadInput, text + QStringLiteral("：") + what);
}
