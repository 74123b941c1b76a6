#include "TallixInput.h"

#include "Numeric.h"

#include <QRegularExpression>

namespace TallixInput {

bool YearAccepted(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[12][0-9]{3}$"));
    return text.isEmpty() || pattern.match(text).hasMatch();
}

bool MonthAccepted(const QString& text)
{
    if (text.isEmpty())
        return true;
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,2}$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        return false;
    const int month = trimmed.toInt();
    return month >= 1 && month <= 12;
}

bool RegionKeyAccepted(const QString& text)
{
    return text.isEmpty() || Numeric::ParseNumber(text, nullptr);
}

bool EnterpriseRegionKeyAccepted(QChar key)
{
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char('.') ||
           key == QLatin1Char('\b');
}

} // namespace TallixInput
