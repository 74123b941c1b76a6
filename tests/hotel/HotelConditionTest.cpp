#include "HotelCondition.h"

#include <gtest/gtest.h>

namespace {

HotelCondition Open()
{
    HotelCondition c;
    c.OpenDateStart = c.OpenDateEnd = -1;
    for (double* bound : {&c.RoomsStart, &c.RoomsEnd, &c.FixedAssetsStart, &c.FixedAssetsEnd,
                          &c.ProfitTotalStart, &c.ProfitTotalEnd, &c.OperateIncomeStart, &c.OperateIncomeEnd,
                          &c.RentPercentStart, &c.RentPercentEnd, &c.ReceptionNumStart, &c.ReceptionNumEnd,
                          &c.IncomePerStart, &c.IncomePerEnd, &c.ProfitPerStart, &c.ProfitPerEnd})
        *bound = -1;
    return c;
}

TEST(HotelConditionSql, PeriodAndListPieces)
{
    HotelCondition c;
    c.YearStat = 2005;
    c.MonthStat = 6;
    EXPECT_EQ(c.DateSql(QStringLiteral("base05")),
              QStringLiteral("( Year(base05.TableDate) =2005 AND  Month(base05.TableDate)=6 )"));

    c.SetRegType({110, 170});
    c.SetStarlevel({0, 5});
    c.SetStatCategory({QStringLiteral("B1"), QStringLiteral("B'")});
    EXPECT_EQ(
        c.RegTypeSql(),
        QStringLiteral("( RegistrationType='-1' OR RegistrationType='110' OR RegistrationType='170' )"));
    EXPECT_EQ(
        c.StarLevelSql(),
        QStringLiteral("( accommodationstar='-1' OR accommodationstar ='0' OR accommodationstar ='5' )"));
    EXPECT_EQ(
        c.StatCategorySql(),
        QStringLiteral("( base01.code = '-1' OR  base01.code like 'B1%' OR  base01.code like 'B''%' )"));

    // Each assignment replaces the whole list; an empty list matches nothing.
    c.SetRegType({});
    c.SetStarlevel({});
    c.SetStatCategory({});
    EXPECT_EQ(c.RegTypeSql(), QStringLiteral("( RegistrationType='-1' )"));
    EXPECT_EQ(c.StarLevelSql(), QStringLiteral("( accommodationstar='-1' )"));
    EXPECT_EQ(c.StatCategorySql(), QStringLiteral("( base01.code = '-1' )"));
}

struct RangeSqlCase
{
    const char* name;
    double start;
    double end;
    const char* opendate;
    const char* rooms;
    const char* fixedAssets;
    const char* profit;
    const char* income;
};

class HotelRangeSqlTest : public ::testing::TestWithParam<RangeSqlCase>
{
};

TEST_P(HotelRangeSqlTest, PiecesCarryOnlyTheBoundedSides)
{
    const RangeSqlCase& k = GetParam();
    HotelCondition c = Open();
    c.OpenDateStart = static_cast<std::int16_t>(k.start);
    c.OpenDateEnd = static_cast<std::int16_t>(k.end);
    c.RoomsStart = c.FixedAssetsStart = c.ProfitTotalStart = c.OperateIncomeStart = k.start;
    c.RoomsEnd = c.FixedAssetsEnd = c.ProfitTotalEnd = c.OperateIncomeEnd = k.end;
    EXPECT_EQ(c.OpenDateSql(), QString::fromUtf8(k.opendate));
    EXPECT_EQ(c.RoomsSql(), QString::fromUtf8(k.rooms));
    EXPECT_EQ(c.FixedAssetsSql(), QString::fromUtf8(k.fixedAssets));
    EXPECT_EQ(c.ProfitTotalSql(), QString::fromUtf8(k.profit));
    EXPECT_EQ(c.OperateIncomeSql(), QString::fromUtf8(k.income));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, HotelRangeSqlTest, ::testing::Values(
    RangeSqlCase{"Open", -1, -1, "( ifnull(year(opendate),0)<>-1 )", "( 1 <>-1 )", "( 1 <>-1  )", "(1  <>-1 )",
                 "( 1 <>-1 )"},
    RangeSqlCase{"Start", 100, -1, "( ifnull(year(opendate),0)<>-1 AND year(opendate)>=100 )",
                 "( 1 <>-1  AND Rooms >=100)", "( 1 <>-1  AND fixassetstotal >=100 )",
                 "(1  <>-1 AND profittotal >=100 )", "( 1 <>-1 AND OperationIncome >=100 )"},
    RangeSqlCase{"End", -1, 150, "( ifnull(year(opendate),0)<>-1 AND year(opendate)<=150 )",
                 "( 1 <>-1  AND Rooms <=150)", "( 1 <>-1  AND fixassetstotal <=150 )",
                 "(1  <>-1 AND profittotal <=150 )", "( 1 <>-1 AND OperationIncome <=150 )"},
    // Start above end is kept as it is and matches nothing.
    RangeSqlCase{"Reversed", 300, 200,
                 "( ifnull(year(opendate),0)<>-1 AND year(opendate)>=300 AND year(opendate)<=200 )",
                 "( 1 <>-1  AND Rooms >=300 AND Rooms <=200)",
                 "( 1 <>-1  AND fixassetstotal >=300 AND fixassetstotal <=200 )",
                 "(1  <>-1 AND profittotal >=300 AND profittotal <=200 )",
                 "( 1 <>-1 AND OperationIncome >=300 AND OperationIncome <=200 )"},
    RangeSqlCase{"ZeroAndNegative", 0, -3,
                 "( ifnull(year(opendate),0)<>-1 AND year(opendate)>=0 AND year(opendate)<=-3 )",
                 "( 1 <>-1  AND Rooms >=0 AND Rooms <=-3)",
                 "( 1 <>-1  AND fixassetstotal >=0 AND fixassetstotal <=-3 )",
                 "(1  <>-1 AND profittotal >=0 AND profittotal <=-3 )",
                 "( 1 <>-1 AND OperationIncome >=0 AND OperationIncome <=-3 )"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(HotelConditionSql, FractionsInShortestForm)
{
    HotelCondition c = Open();
    c.ProfitTotalStart = 2.5;
    c.ProfitTotalEnd = 12.35;
    c.OperateIncomeStart = -0.5;
    c.FixedAssetsEnd = 1234567.89;
    EXPECT_EQ(c.ProfitTotalSql(), QStringLiteral("(1  <>-1 AND profittotal >=2.5 AND profittotal <=12.35 )"));
    EXPECT_EQ(c.OperateIncomeSql(), QStringLiteral("( 1 <>-1 AND OperationIncome >=-0.5 )"));
    EXPECT_EQ(c.FixedAssetsSql(), QStringLiteral("( 1 <>-1  AND fixassetstotal <=1234567.89 )"));
    EXPECT_EQ(HotelCondition::NumberSql(100000000), QStringLiteral("100000000"));
    EXPECT_EQ(HotelCondition::NumberSql(-0.0), QStringLiteral("0"));
}

TEST(HotelCondition, RangeTestsAreInclusiveAndMinusOneIsOpen)
{
    // clang-format off
    const struct { double start, end, value; bool admitted; } cases[] = {
        {-1, -1, -1e9, true}, {-1, -1, 1e9, true}, {10, -1, 10, true}, {10, -1, 9.99, false},
        {-1, 10, 10, true}, {-1, 10, 10.01, false}, {5, 5, 5, true}, {5, 5, 5.01, false},
        {1000, 5000, 3000, true}, {20, 10, 15, false}, {20, 10, 20, false}, {20, 10, 10, false},
        // -1 as a typed bound cannot be told from "open"
        {-1, 0, -5, true}, {-2, -1, 7, true}, {-2, -1, -3, false}};
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.start << " " << k.end << " " << k.value);
        HotelCondition c = Open();
        c.RentPercentStart = c.ReceptionNumStart = c.IncomePerStart = c.ProfitPerStart = k.start;
        c.RentPercentEnd = c.ReceptionNumEnd = c.IncomePerEnd = c.ProfitPerEnd = k.end;
        EXPECT_EQ(c.RentPercentValide(k.value), k.admitted);
        EXPECT_EQ(c.ReceptionNumValide(k.value), k.admitted);
        EXPECT_EQ(c.IncomePerValide(k.value), k.admitted);
        EXPECT_EQ(c.ProfitPerValide(k.value), k.admitted);
    }
}

} // namespace
