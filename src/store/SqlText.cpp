#include "SqlText.h"

namespace SqlText {

QString Escape(const QString& value)
{
    if (!value.contains(QLatin1Char('\'')))
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return escaped;
}

QString Quoted(const QString& value)
{
    return QLatin1Char('\'') + Escape(value) + QLatin1Char('\'');
}

} // namespace SqlText
