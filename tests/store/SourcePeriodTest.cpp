#include "SourcePeriod.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

// The range beside YEAR() and MONTH() may only let an index find the rows: every date text
// the two functions read as the period stays selected, whatever its form.
TEST(SourcePeriod, KeepsEveryDateTheFunctionsReadAsThePeriod)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral(
        "CREATE TABLE t (d DATE);"
        "INSERT INTO t VALUES ('2025-12-01'), ('2025-12-31 10:00:00'), ('2025-6-30'), ('2025-06-01'), "
        "('2025-1-5'), ('2025-01-31'), ('2025-10-01'), ('2025-11-30'), ('2024-12-01'), ('2026-01-01'), ('2025'), "
        "('20251201'), (20251201), (NULL), ('2025-13-01'), ('0999-01-01')"));
    const std::pair<int, int> periods[] = {{2025, 12}, {2025, 6}, {2025, 1}, {2025, 10}, {2025, 0}, {999, 1}};
    for (const auto& [year, month] : periods) {
        SCOPED_TRACE(QStringLiteral("%1-%2").arg(year).arg(month).toStdString());
        const QString functions = QStringLiteral("YEAR(d)=%1").arg(year) +
                                  (month ? QStringLiteral(" AND MONTH(d)=%1").arg(month) : QString());
        const QStringList expected = folder.SourceRows(QStringLiteral("SELECT d FROM t WHERE ") + functions);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT d FROM t WHERE ") + functions + QStringLiteral(" AND ") +
                                    SourcePeriod::Range(QStringLiteral("d"), year, month)),
                  expected);
        // and on its own it keeps the other years out
        EXPECT_LE(folder.SourceRows(QStringLiteral("SELECT d FROM t WHERE ") +
                                    SourcePeriod::Range(QStringLiteral("d"), year, month))
                      .size(),
                  expected.size() + (month ? 0 : 1)); // the year's range holds the month "13" too
    }
}

} // namespace
