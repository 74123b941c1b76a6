#include "RegionCode.h"

#include "ConversionError.h"
#include "Numeric.h"

namespace {

bool Digits(const QString& text, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

namespace RegionCode {

QString Prefix(const QString& code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.size() == 6 && trimmed.endsWith(QLatin1String("0000")) && Digits(trimmed, 2))
        return trimmed.left(2);
    if (trimmed.size() == 6 && trimmed.endsWith(QLatin1String("00")) && Digits(trimmed, 4))
        return trimmed.left(4);
    return trimmed;
}

std::int64_t Normalise(std::int64_t number)
{
    if (number < 100)
        return number * 10000;
    if (number < 1000)
        return number * 1000;
    if (number < 100000)
        return number * 100;
    return number;
}

std::optional<std::int32_t> ParseKey(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    try {
        return Numeric::ToInt32(text.trimmed());
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace RegionCode
