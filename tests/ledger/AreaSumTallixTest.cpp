#include "AreaSum.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "LedgerFixture.h"
#include "TallixAreaData.h"
#include "TallixCondition.h"
#include "TallixReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

// The unit types' selections are summed through the command line's runs.
namespace {

using LedgerFixture::AccommodationItems;
using LedgerFixture::Condition;
using LedgerFixture::Items;

const char* const TextIn2005 =
    "INSERT INTO Base06 (code, TableDate, OperationIncome) VALUES ('B1002', '2005-02-01', 'abc')";

TEST(AreaSumTallix, SumsTheReturnsOfThePeriod)
{
    const struct
    {
        const char* setup; // source rows of this case only
        const char* code;
        bool isArea;
        std::int16_t style;
        const char* codeHead;
        Items items;
        std::int16_t year;
        std::int16_t month;
        std::vector<double> expected;
    } cases[] = {// clang-format off
        // B1001 has three returns in each of Base05 and Base06 for months 1 to 3: paired on the
        // enterprise code they would make nine rows and triple every sum.
        {"", "B1001", false, 2, "B", AccommodationItems(), 2006, 3, {53, 370, 67, 200}},
        // B1001 and B1002 (28, 210, 12, 120); the register's rooms once per enterprise; a text
        // outside the period is never read.
        {TextIn2005, "430100", true, 2, "B", AccommodationItems(), 2006, 3, {81, 580, 79, 320}},
        // 株洲市 in March: B2001 1.5 + 0.5, B1003 30 + 10
        {"", "430200", true, 1, "B", {{"Base05", "RoomIncome+RestaurantIncome"}, {"base05", "RoomIncome"}}, 2006, 3,
         {42, 31.5}},
        // a composed column sums each return's own expression: B1003's March without its
        // RestaurantIncome adds nothing to it
        {"UPDATE Base05 SET RestaurantIncome = NULL WHERE code = 'B1003' AND TableDate = '2006-03-01'", "430200",
         true, 1, "B", {{"Base05", "RoomIncome+RestaurantIncome"}, {"base05", "RoomIncome"}}, 2006, 3, {2, 31.5}},
        // nothing to sum: no scenic area in 广东, no return of B1002 in 2004
        {"", "440000", true, 1, "C", AccommodationItems(), 2006, 3, {0, 0, 0, 0}},
        {"", "B1002", false, 1, "B", AccommodationItems(), 2004, 3, {0, 0, 0, 120}},
        // months 1 and 2: 150 against 200, and nothing at all before
        {"INSERT INTO Base08 (code, TableDate, VisitorNum) VALUES ('C0001', '2005-01-01', 200), "
         "('C0001', '2006-01-01', 50), ('C0001', '2006-02-01', 100)",
         "C0001", false, 4, "C", {{"Base08", "VisitorNum"}, {"Base08", "TicketIncome"}}, 2006, 2, {-0.25, 0}}};
    // clang-format on
    for (const auto& c : cases) {
        TempAppFolder folder;
        LedgerFixture::FillSource(folder);
        folder.Source(c.setup);
        TallixCondition condition = Condition(c.style, c.codeHead, QString(), c.items, c.year, c.month);
        std::vector<double> values;
        const auto row = AreaSum().CalculateTallix(c.code, condition, c.isArea);
        for (int i = 0; i < row->ColumnCount(); ++i)
            values.push_back(row->Item(static_cast<std::int16_t>(i)).SumValue());
        EXPECT_EQ(values, c.expected) << c.code;
        EXPECT_EQ(condition.YearStat, c.year) << c.code;
    }
}

// One run over overlapping rows: each row sums what it holds, the total each enterprise once
// (a province beside its own prefecture, an enterprise listed twice).
TEST(AreaSumTallix, RunTotalCountsEachEnterpriseOnce)
{
    const struct
    {
        QStringList codes;
        bool isArea;
        std::vector<double> total; // 客房+餐饮收入 of 2006 to March, then against 2005
    } cases[] = {
        {{QStringLiteral("430000"), QStringLiteral("430100")}, true, {153.0 / 68 - 1}},
        {{QStringLiteral("430100"), QStringLiteral("430200")}, true, {153.0 / 68 - 1}},
        {{QStringLiteral("B1001"), QStringLiteral("B1001"), QStringLiteral("B1002")}, false, {81.0 / 66 - 1}},
    };
    for (const auto& c : cases) {
        TempAppFolder folder;
        LedgerFixture::FillSource(folder);
        TallixCondition condition =
            Condition(4, QStringLiteral("B"), QString(), {{"Base05", "RoomIncome+RestaurantIncome"}}, 2006, 3);
        const auto run = AreaSum().CalculateTallixRows(c.codes, condition, c.isArea);
        ASSERT_EQ(run.Items.size(), static_cast<std::size_t>(c.codes.size()));
        EXPECT_DOUBLE_EQ(run.Total->Item(0).SumValue(), c.total[0]) << c.codes.join(',').toStdString();
        EXPECT_EQ(condition.YearStat, 2006);
    }
}

// The run stops naming where it failed, and the year is back even when the previous-year
// query failed.
TEST(AreaSumTallix, AFailureNamesWhereItStands)
{
    const char* const unreadableRooms = "UPDATE Base01 SET Rooms = 'viele' WHERE code = 'B1003'";
    const Items rooms = {{"Base01", "Rooms"}};
    const struct
    {
        const char* setup;
        const char* code;
        bool isArea;
        std::int16_t style;
        Items items;
        QStringList mentions; // the kind of failure first
    } cases[] = {{TextIn2005,
                  "430000",
                  true,
                  4,
                  AccommodationItems(),
                  {"conversion:", "Base06", "OperationIncome", "B1002", "abc"}},
                 {TextIn2005,
                  "B1002",
                  false,
                  4,
                  AccommodationItems(),
                  {"conversion:", "Base06", "OperationIncome", "B1002", "abc"}},
                 {unreadableRooms, "430200", true, 1, rooms, {"conversion:", "Base01", "Rooms", "B1003"}},
                 {unreadableRooms, "B1003", false, 1, rooms, {"conversion:", "Base01", "Rooms", "B1003"}},
                 {"", "430000", true, 3, {{"Base05", "Nope"}}, {"database:", "Nope"}}};
    for (const auto& c : cases) {
        TempAppFolder folder;
        LedgerFixture::FillSource(folder);
        folder.Source(c.setup);
        TallixCondition condition = Condition(c.style, "B", QString(), c.items);
        QString text = QStringLiteral("<no failure>");
        try {
            AreaSum().CalculateTallix(c.code, condition, c.isArea);
        } catch (const ConversionError& e) {
            text = QStringLiteral("conversion: ") + e.UserText();
        } catch (const DatabaseError& e) {
            text = QStringLiteral("database: ") + e.UserText();
        }
        for (const QString& mention : c.mentions)
            EXPECT_TRUE(text.contains(mention)) << mention.toStdString() << " not in " << text.toStdString();
        EXPECT_EQ(condition.YearStat, 2006) << c.code;
    }
}

// The window's run: clear, one pass per row in order, save.
TEST(AreaSumTallix, LedgersMatchTheReferenceRows)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    const std::tuple<const char*, std::int16_t, bool> runs[] = {
        {"region_current.tsv", 1, true},
        {"region_cumulative.tsv", 2, true},
        {"region_same_period.tsv", 3, true},
        {"region_cumulative_comparison.tsv", 4, true},
        {"enterprise_cumulative_comparison.tsv", 4, false}};
    for (const auto& [reference, style, isArea] : runs) {
        TallixCondition condition = Condition(style, "B", QString(), AccommodationItems());
        TallixReport report;
        AreaSum engine;
        report.Clear();
        const QStringList codes = isArea ? QStringList{"430000", "430100", "430200"}
                                         : QStringList{"B1001", "B1002", "B2001", "B1003"};
        report.AddRun(engine.CalculateTallixRows(codes, condition, isArea));
        report.Save();
        LedgerFixture::ExpectReference(folder, reference);
    }
}

} // namespace
