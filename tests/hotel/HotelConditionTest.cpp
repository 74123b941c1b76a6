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

TEST(HotelConditionSql, PeriodPiece)
{
    HotelCondition c;
    c.YearStat = 2005;
    c.MonthStat = 6;
    EXPECT_EQ(c.DateSql(QStringLiteral("base05")),
              QStringLiteral("( Year(base05.TableDate) =2005 AND  Month(base05.TableDate)=6 )"));
}

TEST(HotelConditionSql, ListPieces)
{
    HotelCondition c;
    c.SetRegType({110, 170});
    c.SetStarlevel({0, 5});
    c.SetStatCategory({QStringLiteral("B1"), QStringLiteral("B9")});
    EXPECT_EQ(
        c.RegTypeSql(),
        QStringLiteral("( RegistrationType='-1' OR RegistrationType='110' OR RegistrationType='170' )"));
    EXPECT_EQ(
        c.StarLevelSql(),
        QStringLiteral("( accommodationstar='-1' OR accommodationstar ='0' OR accommodationstar ='5' )"));
    EXPECT_EQ(c.StatCategorySql(),
              QStringLiteral("( base01.code = '-1' OR  base01.code like 'B1%' OR  base01.code like 'B9%' )"));

    // Each assignment replaces the whole list; an empty list matches nothing.
    c.SetRegType({});
    c.SetStarlevel({});
    c.SetStatCategory({});
    EXPECT_EQ(c.RegTypeSql(), QStringLiteral("( RegistrationType='-1' )"));
    EXPECT_EQ(c.StarLevelSql(), QStringLiteral("( accommodationstar='-1' )"));
    EXPECT_EQ(c.StatCategorySql(), QStringLiteral("( base01.code = '-1' )"));

    // The list is a copy: changing the caller's list afterwards changes nothing.
    std::vector<std::int16_t> codes{310};
    c.SetRegType(codes);
    codes.push_back(320);
    EXPECT_EQ(c.RegTypeSql(), QStringLiteral("( RegistrationType='-1' OR RegistrationType='310' )"));
}

TEST(HotelConditionSql, CategoryPrefixIsQuoted)
{
    HotelCondition c;
    c.SetStatCategory({QStringLiteral("B'")});
    EXPECT_EQ(c.StatCategorySql(), QStringLiteral("( base01.code = '-1' OR  base01.code like 'B''%' )"));
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

INSTANTIATE_TEST_SUITE_P(
    Bounds, HotelRangeSqlTest,
    ::testing::Values(RangeSqlCase{"open", -1, -1, "( year(opendate)<>-1 )", "( 1 <>-1 )", "( 1 <>-1  )",
                                   "(1  <>-1 )", "( 1 <>-1 )"},
                      RangeSqlCase{"start", 100, -1, "( year(opendate)<>-1 AND year(opendate)>=100 )",
                                   "( 1 <>-1  AND Rooms >=100)", "( 1 <>-1  AND fixassetstotal >=100 )",
                                   "(1  <>-1 AND profittotal >=100 )",
                                   "( 1 <>-1 AND OperationIncome >=100 )"},
                      RangeSqlCase{"end", -1, 150, "( year(opendate)<>-1 AND year(opendate)<=150 )",
                                   "( 1 <>-1  AND Rooms <=150)", "( 1 <>-1  AND fixassetstotal <=150 )",
                                   "(1  <>-1 AND profittotal <=150 )",
                                   "( 1 <>-1 AND OperationIncome <=150 )"},
                      // Start above end is kept as it is and matches nothing.
                      RangeSqlCase{"reversed", 300, 200,
                                   "( year(opendate)<>-1 AND year(opendate)>=300 AND year(opendate)<=200 )",
                                   "( 1 <>-1  AND Rooms >=300 AND Rooms <=200)",
                                   "( 1 <>-1  AND fixassetstotal >=300 AND fixassetstotal <=200 )",
                                   "(1  <>-1 AND profittotal >=300 AND profittotal <=200 )",
                                   "( 1 <>-1 AND OperationIncome >=300 AND OperationIncome <=200 )"},
                      RangeSqlCase{"zero and negative", 0, -3,
                                   "( year(opendate)<>-1 AND year(opendate)>=0 AND year(opendate)<=-3 )",
                                   "( 1 <>-1  AND Rooms >=0 AND Rooms <=-3)",
                                   "( 1 <>-1  AND fixassetstotal >=0 AND fixassetstotal <=-3 )",
                                   "(1  <>-1 AND profittotal >=0 AND profittotal <=-3 )",
                                   "( 1 <>-1 AND OperationIncome >=0 AND OperationIncome <=-3 )"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

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

struct ValideCase
{
    double start;
    double end;
    double value;
    bool admitted;
};

class HotelRangeTestTest : public ::testing::TestWithParam<ValideCase>
{
};

TEST_P(HotelRangeTestTest, BoundsAreInclusiveAndMinusOneIsOpen)
{
    const ValideCase& k = GetParam();
    HotelCondition c = Open();
    c.RentPercentStart = c.ReceptionNumStart = c.IncomePerStart = c.ProfitPerStart = k.start;
    c.RentPercentEnd = c.ReceptionNumEnd = c.IncomePerEnd = c.ProfitPerEnd = k.end;
    EXPECT_EQ(c.RentPercentValide(k.value), k.admitted);
    EXPECT_EQ(c.ReceptionNumValide(k.value), k.admitted);
    EXPECT_EQ(c.IncomePerValide(k.value), k.admitted);
    EXPECT_EQ(c.ProfitPerValide(k.value), k.admitted);
}

INSTANTIATE_TEST_SUITE_P(Ranges, HotelRangeTestTest,
                         ::testing::Values(ValideCase{-1, -1, -1e9, true}, ValideCase{-1, -1, 1e9, true},
                                           ValideCase{10, -1, 10, true}, ValideCase{10, -1, 9.99, false},
                                           ValideCase{-1, 10, 10, true}, ValideCase{-1, 10, 10.01, false},
                                           ValideCase{5, 5, 5, true}, ValideCase{5, 5, 5.01, false},
                                           ValideCase{1000, 5000, 3000, true}, ValideCase{20, 10, 15, false},
                                           ValideCase{20, 10, 20, false}, ValideCase{20, 10, 10, false},
                                           // -1 as a typed bound cannot be told from "open"
                                           ValideCase{-1, 0, -5, true}, ValideCase{-2, -1, 7, true},
                                           ValideCase{-2, -1, -3, false}));

} // namespace
