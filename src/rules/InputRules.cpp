#include "InputRules.h"

#include "Numeric.h"

#include <QLocale>

namespace InputRules {

namespace {

bool AsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(const QString& text)
{
    for (QChar c : text)
        if (!AsciiDigit(c))
            return false;
    return true;
}

Verdict Keep(const QString& text, bool accepted)
{
    return Verdict{accepted, text};
}

Verdict Amount(const QString& text, bool allowNegative)
{
    if (text.isEmpty())
        return Keep(text, true);
    double value = 0;
    if (!Numeric::ParseNumber(text, &value))
        return Keep(text, false);
    if (!allowNegative && text.trimmed().startsWith(QLatin1Char('-')))
        return Keep(text, false);
    return Verdict{true, AmountText(Numeric::RoundTwo(value))};
}

} // namespace

QString AmountText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

Verdict Year(const QString& text)
{
    if (text.isEmpty())
        return Keep(text, true);
    const QString t = text.trimmed();
    const bool ok = t.size() == 4 && (t[0] == QLatin1Char('1') || t[0] == QLatin1Char('2')) && AllDigits(t);
    return Keep(text, ok);
}

Verdict Month(const QString& text)
{
    if (text.isEmpty())
        return Keep(text, true);
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 2 || !AllDigits(t))
        return Keep(text, false);
    const int month = t.toInt();
    return Keep(text, month >= 1 && month <= 12);
}

Verdict NonNegativeAmount(const QString& text)
{
    return Amount(text, false);
}

Verdict SignedAmount(const QString& text)
{
    return Amount(text, true);
}

Verdict RegionKey(const QString& text)
{
    const QString t = text.trimmed();
    return Keep(text, t.isEmpty() || Numeric::ParseNumber(t, nullptr));
}

bool RangeComplete(int itemIndex, const QString& startText, const QString& endText)
{
    if ((itemIndex == AtLeast || itemIndex == AtMost) && startText.trimmed().isEmpty())
        return false;
    if (itemIndex == Between && (startText.trimmed().isEmpty() || endText.trimmed().isEmpty()))
        return false;
    return true;
}

} // namespace InputRules

namespace InputRules {

bool RangeOrdered(int itemIndex, const QString& startText, const QString& endText)
{
    double from = 0;
    double to = 0;
    if (itemIndex != Between || !Numeric::ParseNumber(startText.trimmed(), &from) ||
        !Numeric::ParseNumber(endText.trimmed(), &to))
        return true;
    return from <= to;
}

bool PlainText(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    return true;
}

} // namespace InputRules
