#include "ResultRow.h"

#include "Numeric.h"
#include "SqlText.h"

ResultRow::ResultRow(const QString& header, const QString& name, const QString& opening)
    : header_(header), text_(header + opening + SqlText::Escape(name)), values_{name}
{
}

ResultRow& ResultRow::Append(const QString& separator, const QString& stored)
{
    text_ += separator + SqlText::Escape(stored);
    values_ << stored;
    return *this;
}

ResultRow& ResultRow::Value(double value)
{
    return Append(QStringLiteral("','"), Numeric::NumberText(value));
}

ResultRow& ResultRow::BlankFirst(double value)
{
    return Append(QStringLiteral("','"), QLatin1Char(' ') + Numeric::NumberText(value));
}

ResultRow& ResultRow::BlankOutside(double value)
{
    const QString text = Numeric::NumberText(value);
    text_ += QStringLiteral("', '") + text;
    values_ << text;
    return *this;
}

ResultRow& ResultRow::Text(const QString& text)
{
    return Append(QStringLiteral("','"), text);
}

QString ResultRow::Statement(const QString& tablecode) const
{
    if (tablecode.isEmpty())
        return text_ + QStringLiteral("')");
    return text_ + QStringLiteral("','") + SqlText::Escape(tablecode) + QStringLiteral("')");
}

QStringList ResultRow::Stored(const QString& tablecode) const
{
    if (tablecode.isEmpty())
        return values_;
    return values_ + QStringList{tablecode};
}
