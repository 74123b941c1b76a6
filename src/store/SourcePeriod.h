#pragma once

#include <QString>

// The returns select their period with YEAR(TableDate) and MONTH(TableDate), which only
// indexes over those functions can serve. A source written by another tool carries a plain
// index on TableDate at most; this range of dates, added beside the function tests, lets
// the engine use it. It admits every text the two functions read as that period (and some
// they refuse, which the function tests still drop).
namespace SourcePeriod {

// One month of a year, or with month 0 the whole year: a parenthesised condition on column.
QString Range(const QString& column, int year, int month = 0);

} // namespace SourcePeriod
