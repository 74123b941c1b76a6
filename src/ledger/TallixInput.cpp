#include "TallixInput.h"

#include "InputRules.h"
#include "Numeric.h"

namespace TallixInput {

bool YearAccepted(const QString& text)
{
    return InputRules::Year(text).accepted;
}

bool MonthAccepted(const QString& text)
{
    return InputRules::Month(text).accepted;
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
