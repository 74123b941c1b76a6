#include "AreaSum.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "HotelAreaData.h"
#include "HotelCondition.h"
#include "HotelFixture.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

HotelCondition AllHotels()
{
    return HotelCondition::AllHotels(2025, 12);
}

class HotelPassTest : public ::testing::Test
{
protected:
    HotelPassTest() { LoadHotelFixture(folder); }

    double Hotels(const QString& code, const HotelCondition& condition)
    {
        return engine.CalculateHotel(code, condition)->HotelNum;
    }

    TempAppFolder folder;
    AreaSum engine;
};

TEST_F(HotelPassTest, RegionCodeSelectsEnterprisesByPrefix)
{
    const struct
    {
        const char* code;
        double hotels;
    } cases[] = {
        {"430000", 15},  {"430100", 10},  {"430102", 3}, {"430103", 2}, {"430121", 4},
        {"430200", 5},   {"440000", 1},   {"440100", 1}, {"450000", 0}, {"", 16},
        {" 430000", 15}, {"430100 ", 10}, {"4301", 10},  {"43'0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto result = engine.CalculateHotel(QString::fromUtf8(c.code), AllHotels());
        EXPECT_EQ(result->HotelNum, c.hotels);
        EXPECT_EQ(result->areacode, QString::fromUtf8(c.code)); // kept exactly as passed
    }
}

TEST_F(HotelPassTest, EveryRecordEntersItsThreeGroupsAtMost)
{
    HotelCondition c = AllHotels();
    c.SetRegType({110, 120, 130, 140, 150, 160, 170, 190, 210, 220, 230, 240, 310, 320, 330, 340, 180, 250});
    c.SetStarlevel({0, 1, 2, 3, 4, 5, 7});
    const auto r = engine.CalculateHotel(QStringLiteral("430000"), c);
    EXPECT_EQ(r->HotelNum, 18);
    // Registration codes 180 and 250 are in no group.
    for (const HotelAreaComplex* g :
         {&r->RegType1, &r->RegType2, &r->RegType3, &r->RegType4, &r->RegType5, &r->RegType6, &r->RegType7,
          &r->RegType8, &r->RegType11, &r->RegType12, &r->RegType13, &r->RegType14, &r->RegType21,
          &r->RegType22, &r->RegType23, &r->RegType24})
        EXPECT_EQ(g->HotelNum, 1);
    EXPECT_EQ(r->RegType10().HotelNum, 4);
    EXPECT_EQ(r->RegType20().HotelNum, 4);
    EXPECT_EQ(r->RegTypeAll().HotelNum, 16);
    // Rooms NULL (B1012) is in no room-size group; the bands' edges: 500, 499, 300, 200, 100, 99 and 0.
    EXPECT_EQ(r->HotelNumRoomsAbove500.HotelNum, 2);
    EXPECT_EQ(r->HotelNumRoomsBetween300And499.HotelNum, 3);
    EXPECT_EQ(r->HotelNumRoomsBetween200And299.HotelNum, 2);
    EXPECT_EQ(r->HotelNumRoomsBetween100And199.HotelNum, 3);
    EXPECT_EQ(r->HotelNumRoomsBelow99.HotelNum, 7);
    EXPECT_EQ(r->HotelNumRoomsAll().HotelNum, 17);
    // Star 7 (B1013) is in no star group.
    EXPECT_EQ(r->HotelNumStar5.HotelNum, 2);
    EXPECT_EQ(r->HotelNumStar4.HotelNum, 2);
    EXPECT_EQ(r->HotelNumStar3.HotelNum, 3);
    EXPECT_EQ(r->HotelNumStar2.HotelNum, 2);
    EXPECT_EQ(r->HotelNumStar1.HotelNum, 2);
    EXPECT_EQ(r->HotelNumStar0.HotelNum, 6);
    EXPECT_EQ(r->HotelNumStarAll().HotelNum, 17);
}

TEST_F(HotelPassTest, GroupsTakeWholeNumbersWhileTheRegionKeepsFractions)
{
    const auto r = engine.CalculateHotel(QStringLiteral("430102"), AllHotels());
    EXPECT_DOUBLE_EQ(r->RoomIncome, 12.5 + 13.5 + 4.75);
    EXPECT_DOUBLE_EQ(r->RestaurantIncome, 8.25 + 6.4 + 2.5);
    EXPECT_DOUBLE_EQ(r->OperationTaxAddition, 1.2 + 0.8 + 0.3);
    EXPECT_EQ(r->YearendEmployment, 200 + 100 + 60); // 100.5 becomes 100
    // B1001 (reg 110, star 5, 520 rooms): 12.5 -> 12, 8.25 -> 8, 1.25 -> 1, 1.2 -> 1.
    for (const HotelAreaComplex* g : {&r->RegType1, &r->HotelNumStar5, &r->HotelNumRoomsAbove500}) {
        EXPECT_EQ(g->HotelNum, 1);
        EXPECT_EQ(g->Rooms, 520);
        EXPECT_EQ(g->Beds, 900);
        EXPECT_EQ(g->RealRoomDay, 12000);
        EXPECT_EQ(g->CheckRoomDay, 15600);
        EXPECT_EQ(g->RoomIncome, 12);
        EXPECT_EQ(g->RestaurantIncome, 8);
        EXPECT_EQ(g->OtherIncome, 1);
        EXPECT_EQ(g->OperationTaxAddition, 1);
        EXPECT_EQ(g->FixAssetsInitialPrice, 5000);
    }
    // B1002: 13.5 -> 14, 6.4 -> 6, 2.1 -> 2, 0.8 -> 1.
    EXPECT_EQ(r->RegType2.RoomIncome, 14);
    EXPECT_EQ(r->RegType2.RestaurantIncome, 6);
    EXPECT_EQ(r->RegType2.OtherIncome, 2);
    EXPECT_EQ(r->RegType2.OperationTaxAddition, 1);
    EXPECT_EQ(r->RegType2.BusinessAmount(), 22);
    EXPECT_DOUBLE_EQ(r->BusinessAmount(), 30.75 + 17.15 + 3.85);
}

TEST_F(HotelPassTest, ReadsEveryGuestColumnAndSkipsMissingFinanceReturns)
{
    const auto r = engine.CalculateHotel(QStringLiteral("430121"), AllHotels());
    // B1009's finance return is of November, B1010 has none: their columns are null.
    EXPECT_DOUBLE_EQ(r->OperationIncome, 2 + 5.5);
    EXPECT_EQ(r->FixAssetsInitialPrice, 90 + 800);
    EXPECT_EQ(r->RegType11.FixAssetsInitialPrice, 0);
    EXPECT_EQ(r->YearendEmployment, 12 + 50);
    // B1010 reports each of the 31 countries (1 to 31) and RealRoomDay 11000.5.
    EXPECT_EQ(r->RegType12.RealRoomDay, 11000);
    EXPECT_EQ(r->RealRoomDay, 2000 + 4000 + 6500 + 11000);
    EXPECT_EQ(r->Japan, 15 + 40 + 1);
    EXPECT_EQ(r->Other, 31);
    EXPECT_EQ(r->Africa, 30);
    EXPECT_EQ(r->EntryTourist(), (40 + 15 + 5) + (60 + 30 + 90 + 40 + 60) + (31 + 496));
    EXPECT_EQ(r->ForeignDay, 30 + 250 + 1000);
}

TEST_F(HotelPassTest, OnlyMonthOfTheConditionCounts)
{
    HotelCondition c = AllHotels();
    c.MonthStat = 11;
    const auto november = engine.CalculateHotel(QStringLiteral("430102"), c);
    EXPECT_EQ(november->HotelNum, 2); // B1001 and B1021
    EXPECT_EQ(november->OperationIncome, 20);
    c.YearStat = 2024;
    c.MonthStat = 12;
    EXPECT_EQ(Hotels(QStringLiteral("430102"), c), 1);
}

TEST_F(HotelPassTest, ConditionsFilterTheHotels)
{
    struct Case
    {
        const char* name;
        std::function<void(HotelCondition&)> set;
        const char* code;
        double hotels;
    };
    // clang-format off
    const Case cases[] = {
        {"no registration type", [](HotelCondition& c) { c.SetRegType({}); }, "430000", 0},
        {"no star", [](HotelCondition& c) { c.SetStarlevel({}); }, "430000", 0},
        {"no category", [](HotelCondition& c) { c.SetStatCategory({}); }, "430000", 0},
        {"category B5", [](HotelCondition& c) { c.SetStatCategory({QStringLiteral("B5")}); }, "440000", 1},
        {"star 7", [](HotelCondition& c) { c.SetStarlevel({7}); }, "430000", 1},
        {"registration 180 and 250", [](HotelCondition& c) { c.SetRegType({180, 250}); }, "430000", 2},
        {"rooms 100 to 199", [](HotelCondition& c) { c.RoomsStart = 100; c.RoomsEnd = 199; }, "430000", 2},
        {"rooms at least 500", [](HotelCondition& c) { c.RoomsStart = 500; }, "430000", 2},
        {"rooms start above end", [](HotelCondition& c) { c.RoomsStart = 300; c.RoomsEnd = 200; }, "430000", 0},
        {"opened 2010 to 2015", [](HotelCondition& c) { c.OpenDateStart = 2010; c.OpenDateEnd = 2015; }, "430000", 3},
        {"fixed assets at least 1000", [](HotelCondition& c) { c.FixedAssetsStart = 1000; }, "430000", 4},
        {"profit at most 0", [](HotelCondition& c) { c.ProfitTotalEnd = 0; }, "430000", 3},
        {"income at least 10", [](HotelCondition& c) { c.OperateIncomeStart = 10; }, "430000", 3},
        {"income exactly 22", [](HotelCondition& c) { c.OperateIncomeStart = 22; c.OperateIncomeEnd = 22; }, "430000", 2},
        // The per-hotel tests. 430102: occupancy 76.92 / 86.02 / 77.42; guests 3800 / 2060 / 1510;
        // income per employee 0.11 / 0.22 / 0.13; profit per employee 0.02 / -0.02 / 0.01.
        {"occupancy 77 to 90", [](HotelCondition& c) { c.RentPercentStart = 77; c.RentPercentEnd = 90; }, "430102", 2},
        {"guests 2000 to 3000", [](HotelCondition& c) { c.ReceptionNumStart = 2000; c.ReceptionNumEnd = 3000; }, "430102", 1},
        {"guests exactly 2060", [](HotelCondition& c) { c.ReceptionNumStart = 2060; c.ReceptionNumEnd = 2060; }, "430102", 1},
        {"guests 1000 to 5000", [](HotelCondition& c) { c.ReceptionNumStart = 1000; c.ReceptionNumEnd = 5000; }, "430102", 3},
        {"income per employee at most 0.12", [](HotelCondition& c) { c.IncomePerEnd = 0.12; }, "430102", 1},
        {"profit per employee 0 to 0.01", [](HotelCondition& c) { c.ProfitPerStart = 0; c.ProfitPerEnd = 0.01; }, "430102", 1},
        // Without a finance return of the month both per-employee figures read 0.
        {"income per employee exactly 0", [](HotelCondition& c) { c.IncomePerStart = 0; c.IncomePerEnd = 0; }, "430121", 2},
        // No room-days available: occupancy 0.
        {"occupancy exactly 0", [](HotelCondition& c) { c.RentPercentStart = 0; c.RentPercentEnd = 0; }, "430100", 1},
    };
    // clang-format on
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        HotelCondition c = AllHotels();
        k.set(c);
        EXPECT_EQ(Hotels(QString::fromUtf8(k.code), c), k.hotels);
    }
    EXPECT_EQ(Hotels(QStringLiteral("430000"), AllHotels()), 15);
}

TEST_F(HotelPassTest, PerHotelTestsKeepRejectedRowsOutOfRegionAndGroups)
{
    HotelCondition c = AllHotels();
    c.RentPercentStart = 77; // B1001 (76.92) fails
    const auto r = engine.CalculateHotel(QStringLiteral("430102"), c);
    EXPECT_EQ(r->RegType1.HotelNum, 0);
    EXPECT_EQ(r->HotelNumStar5.HotelNum, 0);
    EXPECT_EQ(r->HotelNumRoomsAbove500.RoomIncome, 0);
    EXPECT_DOUBLE_EQ(r->RoomIncome, 13.5 + 4.75);
}

TEST_F(HotelPassTest, QueryTextIsExact)
{
    folder.Source(QStringLiteral("DROP TABLE Base06"));
    HotelCondition c = AllHotels();
    c.SetRegType({110, 170});
    c.SetStarlevel({5});
    c.SetStatCategory({QStringLiteral("B1")});
    c.RoomsStart = 100;
    c.OpenDateEnd = 2010;
    try {
        engine.CalculateHotel(QStringLiteral("430100"), c);
        FAIL() << "a missing table must fail the query";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(
            e.Statement(),
            QStringLiteral(
                "SELECT * FROM base05 INNER JOIN base01 on base01.code=base05.code  LEFT JOIN base06 on "
                "base01.code=base06.code AND Year(base06.TableDate) = Year(base05.TableDate) AND  "
                "Month(base06.TableDate)= Month(base05.TableDate) AND (base06.TableDate >= '2025-12' AND "
                "base06.TableDate < '2025-13') WHERE regionalismcode like '4301%' AND "
                "( Year(base05.TableDate) =2025 AND  Month(base05.TableDate)=12 ) AND ( "
                "accommodationstar='-1' OR accommodationstar ='5' ) AND ( base01.code = '-1' OR  "
                "base01.code like 'B1%' ) AND ( RegistrationType='-1' OR RegistrationType='110' OR "
                "RegistrationType='170' ) AND ( ifnull(year(opendate),0)<>-1 AND year(opendate)<=2010 ) AND ( 1 "
                "<>-1  AND Rooms >=100) AND ( 1 <>-1  ) AND (1  <>-1 ) AND ( 1 <>-1 ) AND (base05.TableDate >= '2025-12' "
                "AND base05.TableDate < '2025-13')"));
    }
    // An empty code selects every enterprise without a test; an apostrophe is doubled.
    for (const auto& [code, pattern] : {std::pair{"", " WHERE ( Year("}, std::pair{"43'0", "like '43''0%'"}}) {
        try {
            engine.CalculateHotel(QString::fromUtf8(code), c);
            FAIL();
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.Statement().contains(QString::fromUtf8(pattern))) << e.Statement().toStdString();
        }
    }
}

struct BadValueCase
{
    const char* update;
    const char* column;
    const char* value;
};

class HotelPassBadValueTest : public ::testing::TestWithParam<BadValueCase>
{
};

TEST_P(HotelPassBadValueTest, StopsWithEnterpriseColumnAndValue)
{
    TempAppFolder folder;
    LoadHotelFixture(folder);
    folder.Source(QString::fromUtf8(GetParam().update));
    AreaSum engine;
    try {
        engine.CalculateHotel(QStringLiteral("430102"), AllHotels());
        FAIL() << "the value must not be converted";
    } catch (const ConversionError& e) {
        const QString text = e.UserText();
        EXPECT_TRUE(text.contains(QStringLiteral("B1002"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().column))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().value))) << text.toStdString();
    }
    // The engine let go of its source connection and computes the next region.
    EXPECT_EQ(engine.CalculateHotel(QStringLiteral("430103"), AllHotels())->HotelNum, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HotelPassBadValueTest,
    ::testing::Values(BadValueCase{"UPDATE Base05 SET RoomIncome = 'abc' WHERE code = 'B1002'", "RoomIncome",
                                   "abc"},
                      BadValueCase{"UPDATE Base01 SET Rooms = 40000 WHERE code = 'B1002'", "Rooms", "40000"},
                      BadValueCase{"UPDATE Base01 SET Beds = -40000 WHERE code = 'B1002'", "Beds", "-40000"},
                      BadValueCase{"UPDATE Base05 SET InTourist = 3000000000 WHERE code = 'B1002'",
                                   "InTourist", "3000000000"},
                      BadValueCase{"UPDATE Base05 SET CheckRoomDay = '9 300' WHERE code = 'B1002'",
                                   "CheckRoomDay", "9 300"},
                      BadValueCase{"UPDATE Base05 SET RealRoomDay = 2500000000 WHERE code = 'B1002'",
                                   "RealRoomDay", "2500000000"},
                      BadValueCase{"UPDATE Base06 SET YearendEmployment = 'many' WHERE code = 'B1002'",
                                   "YearendEmployment", "many"}));

// One run hands every record to each region that holds it; the total counts it once.
TEST_F(HotelPassTest, RunTotalCountsEachHotelOnce)
{
    const struct
    {
        QStringList codes;
        std::vector<double> regions;
        double total;
    } cases[] = {
        {{QStringLiteral("430000"), QStringLiteral("430100")}, {15, 10}, 15},
        {{QStringLiteral("430100"), QStringLiteral("430100")}, {10, 10}, 10},
        {{QStringLiteral("430100"), QStringLiteral("430200"), QStringLiteral("440000")}, {10, 5, 1}, 16},
        {{QStringLiteral("430102"), QStringLiteral(""), QStringLiteral("450000")}, {3, 16, 0}, 16},
        {{}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codes.join(',').toStdString());
        const auto run = engine.CalculateHotelRegions(c.codes, AllHotels());
        ASSERT_EQ(run.Items.size(), c.regions.size());
        for (std::size_t i = 0; i < c.regions.size(); ++i) {
            EXPECT_EQ(run.Items[i]->HotelNum, c.regions[i]);
            EXPECT_EQ(run.Items[i]->areacode, c.codes[static_cast<qsizetype>(i)]);
        }
        EXPECT_EQ(run.Total->HotelNum, c.total);
        EXPECT_EQ(run.Total->areacode, QString());
    }
}

TEST_F(HotelPassTest, CancelledRunStopsWithoutResult)
{
    EXPECT_THROW(engine.CalculateHotelRegions({QStringLiteral("430000")}, AllHotels(), [](int, int) { return false; }),
                 RunCancelled);
}

// A column the hotel reports read and the source lacks is named, never a silent 0.
TEST_F(HotelPassTest, MissingSourceColumnIsNamed)
{
    folder.Source(QStringLiteral("ALTER TABLE Base05 DROP COLUMN InTourist"));
    try {
        engine.CalculateHotel(QStringLiteral("430000"), AllHotels());
        FAIL() << "a missing column must stop the run";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("源数据库的表 Base05 缺少字段 InTourist"));
    }
}

// A column two of the joined tables carry is read from the first of base05, base01, base06,
// as the join's "*" hands it over: here Base05's Beds, not the register's.
TEST_F(HotelPassTest, ColumnOfTwoTablesIsReadFromTheFirst)
{
    const double registerBeds = engine.CalculateHotel(QStringLiteral("430200"), AllHotels())->Beds;
    folder.Source(QStringLiteral("ALTER TABLE Base05 ADD COLUMN Beds INTEGER"));
    folder.Source(QStringLiteral("UPDATE Base05 SET Beds = 1"));
    const auto run = engine.CalculateHotel(QStringLiteral("430200"), AllHotels());
    EXPECT_NE(registerBeds, run->HotelNum);
    EXPECT_EQ(run->Beds, run->HotelNum);
}

} // namespace
