#include "AreaSum.h"
// The engine's statements find their rows through the source schema's indexes: a region's
// enterprises through the range over regionalismcode, their returns of the period through the
// indexes on YEAR(TableDate) and MONTH(TableDate). A full scan of a return table for every
// region is what made a national run take minutes.
#include "Connection.h"
#include "DbConnection.h"
#include "HotelCondition.h"
#include "Recordset.h"
#include "TallixCondition.h"
#include "TallixIndex.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

// The plan's lines as the engine's own read-only connection sees them.
QStringList Plan(const QString& sql)
{
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    Recordset rs;
    rs.Open(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, connection);
    QStringList lines;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        lines << rs.Value(QStringLiteral("detail")).toString();
    return lines;
}

bool Uses(const QStringList& plan, const QString& step)
{
    for (const QString& line : plan)
        if (line.contains(step))
            return true;
    return false;
}

// No table of the statement is read from end to end.
void ExpectNoFullScan(const QStringList& plan)
{
    for (const QString& line : plan)
        EXPECT_FALSE(line.startsWith(QLatin1String("SCAN "))) << line.toStdString();
}

HotelCondition AllHotels()
{
    return HotelCondition::AllHotels(2025, 12);
}

// The one region's test of a run's statements.
QString RegionClause(const QString& prefix)
{
    return QStringLiteral("regionalismcode like '") + prefix + QStringLiteral("%'");
}

class SourcePlanTest : public ::testing::TestWithParam<const char*>
{
protected:
    TempAppFolder folder;
};

INSTANTIATE_TEST_SUITE_P(ProvinceAndPrefecture, SourcePlanTest, ::testing::Values("43", "4301"));

TEST_P(SourcePlanTest, HotelPassFindsTheMonthOfEachHotelOfTheRegion)
{
    const QStringList plan = Plan(AreaSum::HotelSql(RegionClause(QString::fromLatin1(GetParam())), AllHotels()));
    EXPECT_TRUE(Uses(plan, QStringLiteral("base01 USING INDEX Base01_regionalismcode (regionalismcode>? AND "
                                          "regionalismcode<?)")))
        << plan.join('\n').toStdString();
    EXPECT_TRUE(
        Uses(plan, QStringLiteral("base05 USING INDEX Base05_code_Year_Month (code=? AND <expr>=? AND "
                                  "<expr>=?)")))
        << plan.join('\n').toStdString();
    EXPECT_TRUE(Uses(plan, QStringLiteral("base06 USING INDEX Base06_code_Year_Month")));
    ExpectNoFullScan(plan);
}

TEST_P(SourcePlanTest, AnnualPassFindsTheYearOfEachEnterpriseOfTheRegion)
{
    for (const char* table : {"Base04", "Base06", "Base08", "Base09"}) {
        SCOPED_TRACE(table);
        const QString name = QString::fromLatin1(table);
        const QStringList plan = Plan(AreaSum::TourUnitSql(name, RegionClause(QString::fromLatin1(GetParam())), 2025));
        EXPECT_TRUE(Uses(plan, QStringLiteral("Base01 USING COVERING INDEX Base01_regionalismcode")))
            << plan.join('\n').toStdString();
        EXPECT_TRUE(Uses(plan, name + QStringLiteral(" USING INDEX ") + name +
                                   QStringLiteral("_code_Year_Month (code=? AND <expr>=?)")))
            << plan.join('\n').toStdString();
        ExpectNoFullScan(plan);
    }
}

TEST_P(SourcePlanTest, LedgerFindsTheRegionsReturns)
{
    TallixCondition condition;
    condition.YearStat = 2025;
    condition.MonthStat = 12;
    condition.CodeHead = QStringLiteral("B");
    condition.TableStyle = 4;
    auto index = std::make_shared<TallixIndex>();
    index->Tablename = QStringLiteral("Base05");
    index->FieldName = QStringLiteral("RoomIncome+OtherIncome");
    condition.SetCustomIndexs({index});
    const QString region = QString::fromLatin1(GetParam()).leftJustified(6, QLatin1Char('0'));
    const QStringList plan = Plan(condition.CustomIndexsSql(region, true));
    EXPECT_TRUE(Uses(plan, QStringLiteral("Base01 USING COVERING INDEX Base01_regionalismcode")))
        << plan.join('\n').toStdString();
    // The range of dates beside YEAR() and MONTH() serves a plain index as well.
    EXPECT_TRUE(Uses(plan, QStringLiteral("Base05 USING INDEX Base05_code_TableDate (code=? AND TableDate>? AND "
                                          "TableDate<?)")))
        << plan.join('\n').toStdString();
    ExpectNoFullScan(plan);
}

} // namespace
