#include "ResultRow.h"

#include "Numeric.h"
#include "SqlText.h"

ResultRow::ResultRow(const QString& header, const QString& name, const QString& opening)
    : header_(header), opening_(opening)
{
    values_.reserve(14);
    values_ << name;
    separators_.reserve(14);
}

ResultRow& ResultRow::Append(Separator separator, const QString& stored)
{
    values_ << stored;
    separators_.push_back(separator);
    return *this;
}

ResultRow& ResultRow::Value(double value)
{
    return Append(Separator::Plain, Numeric::NumberText(value));
}

ResultRow& ResultRow::BlankFirst(double value)
{
    return Append(Separator::Plain, QLatin1Char(' ') + Numeric::NumberText(value));
}

ResultRow& ResultRow::BlankOutside(double value)
{
    return Append(Separator::BlankOutside, Numeric::NumberText(value));
}

ResultRow& ResultRow::Text(const QString& text)
{
    return Append(Separator::Plain, text);
}

QString ResultRow::Statement(const QString& tablecode) const
{
    // Written out only where someone reads it (a failure, a test): the transaction binds
    // the stored values instead.
    QString text = header_ + opening_ + SqlText::Escape(values_.first());
    for (std::size_t i = 0; i < separators_.size(); ++i)
        text += (separators_[i] == Separator::BlankOutside ? QStringLiteral("', '") : QStringLiteral("','")) +
                SqlText::Escape(values_[static_cast<qsizetype>(i) + 1]);
    if (tablecode.isEmpty())
        return text + QStringLiteral("')");
    return text + QStringLiteral("','") + SqlText::Escape(tablecode) + QStringLiteral("')");
}

QStringList ResultRow::Stored(const QString& tablecode) const
{
    if (tablecode.isEmpty())
        return values_;
    return values_ + QStringList{tablecode};
}
