#include "ResultRow.h"

#include "Numeric.h"
#include "SqlText.h"

ResultRow::ResultRow(const QString& header, const QString& name)
    : text_(header + QStringLiteral("values ('") + SqlText::Escape(name))
{
}

ResultRow& ResultRow::Value(double value)
{
    text_ += QStringLiteral("','") + Numeric::NumberText(value);
    return *this;
}

ResultRow& ResultRow::BlankFirst(double value)
{
    text_ += QStringLiteral("',' ") + Numeric::NumberText(value);
    return *this;
}

ResultRow& ResultRow::BlankOutside(double value)
{
    text_ += QStringLiteral("', '") + Numeric::NumberText(value);
    return *this;
}

QString ResultRow::Statement(const QString& tablecode) const
{
    return text_ + QStringLiteral("','") + tablecode + QStringLiteral("')");
}
