#include "SourcePeriod.h"

namespace SourcePeriod {

namespace {

QString Year(int year)
{
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

QString Between(const QString& column, const QString& from, const QString& before)
{
    return column + QStringLiteral(" >= '") + from + QStringLiteral("' AND ") + column + QStringLiteral(" < '") +
           before + QLatin1Char('\'');
}

} // namespace

QString Range(const QString& column, int year, int month)
{
    const QString y = Year(year);
    // "2025-" up to "2025/" holds every text that starts with the year and a dash ("/" follows
    // "-" and, unlike "2025.", is no number the column's numeric affinity would turn it into).
    if (month < 1 || month > 12)
        return QLatin1Char('(') + Between(column, y + QLatin1Char('-'), y + QLatin1Char('/')) + QLatin1Char(')');
    const auto twoDigits = [&](int m) { return y + QLatin1Char('-') + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')); };
    QString range = Between(column, twoDigits(month), twoDigits(month + 1));
    // The functions also read a month of one digit followed by a dash ("2005-6-30").
    if (month <= 9) {
        const QString single = y + QLatin1Char('-') + QString::number(month);
        range += QStringLiteral(" OR ") + Between(column, single + QLatin1Char('-'), single + QLatin1Char('/'));
    }
    return QLatin1Char('(') + range + QLatin1Char(')');
}

} // namespace SourcePeriod
