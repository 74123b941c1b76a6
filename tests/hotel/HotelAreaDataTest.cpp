#include "HotelAreaData.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Indicator = std::function<double(const HotelAreaData&)>;

const std::pair<const char*, Indicator> Indicators[] = {
    {"RentPercent", &HotelAreaData::RentPercent},
    {"BusinessAmount", &HotelAreaData::BusinessAmount},
    {"RoomIncomePercent", &HotelAreaData::RoomIncomePercent},
    {"RestaurantIncomePercent", &HotelAreaData::RestaurantIncomePercent},
    {"OtherIncomePercent", &HotelAreaData::OtherIncomePercent},
    {"TotalPerson", &HotelAreaData::TotalPerson},
    {"EntryTourist", &HotelAreaData::EntryTourist},
    {"EntryTouristPercent", &HotelAreaData::EntryTouristPercent},
    {"TotalDay", &HotelAreaData::TotalDay},
    {"EntryTouristDay", &HotelAreaData::EntryTouristDay},
    {"EntryTouristDayPercent", &HotelAreaData::EntryTouristDayPercent},
    {"AveragePrice", &HotelAreaData::AveragePrice},
    {"YearIncomePerRoom", &HotelAreaData::YearIncomePerRoom},
    {"YearTotalReceptionPerRoom", &HotelAreaData::YearTotalReceptionPerRoom},
    {"YearTotalReceptionDayPerRoom", &HotelAreaData::YearTotalReceptionDayPerRoom},
    {"LaborProductivity", &HotelAreaData::LaborProductivity},
    {"ProfitTotalPerCapita", &HotelAreaData::ProfitTotalPerCapita},
    {"TaxPerCapita", &HotelAreaData::TaxPerCapita},
    {"FixAssetsInitialPerCapita", &HotelAreaData::FixAssetsInitialPerCapita},
};

void ExpectEmpty(const HotelAreaComplex& g)
{
    for (double v : {g.HotelNum, g.Rooms, g.Beds, g.RealRoomDay, g.CheckRoomDay, g.RoomIncome,
                     g.RestaurantIncome, g.OtherIncome, g.OperationTaxAddition, g.FixAssetsInitialPrice,
                     g.RentPercent(), g.BusinessAmount(), g.AveragePrice()})
        EXPECT_EQ(v, 0);
}

TEST(HotelAreaData, FreshAndClearedAggregatesReadZero)
{
    HotelAreaData data;
    data.areacode = QStringLiteral("430000");
    data.Japan = 5;
    data.RoomIncome = 3;
    data.Rooms = 2;
    data.RegType11.HotelNum = 1;
    data.HotelNumStar3.RoomIncome = 7;
    data.Clear();
    const HotelAreaData fresh;
    for (const HotelAreaData* d : {&fresh, const_cast<const HotelAreaData*>(&data)}) {
        EXPECT_TRUE(d->areacode.isEmpty());
        for (const auto& [name, read] : Indicators)
            EXPECT_EQ(read(*d), 0) << name;
        for (const HotelAreaComplex& g :
             {d->RegTypeAll(), d->RegType10(), d->RegType20(), d->HotelNumRoomsAll(), d->HotelNumStarAll(),
              d->RegType11, d->HotelNumStar3})
            ExpectEmpty(g);
        EXPECT_EQ(d->Japan, 0);
        EXPECT_EQ(d->Rooms, 0);
    }
}

TEST(HotelAreaData, ZeroDivisorsGiveZeroWhateverTheDividend)
{
    HotelAreaData d;
    d.RealRoomDay = 500; // no CheckRoomDay
    d.RoomIncome = 0;    // with the other incomes below: BusinessAmount 0
    d.RestaurantIncome = 4;
    d.OtherIncome = -4;
    d.OperationIncome = 10; // no employees
    d.ProfitTotal = 3;
    d.OperationTaxAddition = 1;
    d.FixAssetsInitialPrice = 100;
    d.InTouristDay = 0;
    d.InTourist = 0;
    EXPECT_EQ(d.RentPercent(), 0);
    EXPECT_EQ(d.RoomIncomePercent(), 0);
    EXPECT_EQ(d.RestaurantIncomePercent(), 0);
    EXPECT_EQ(d.OtherIncomePercent(), 0);
    EXPECT_EQ(d.LaborProductivity(), 0);
    EXPECT_EQ(d.ProfitTotalPerCapita(), 0);
    EXPECT_EQ(d.TaxPerCapita(), 0);
    EXPECT_EQ(d.FixAssetsInitialPerCapita(), 0);
    EXPECT_EQ(d.YearIncomePerRoom(), 0);
    EXPECT_EQ(d.EntryTouristPercent(), 0);
    EXPECT_EQ(d.EntryTouristDayPercent(), 0);

    HotelAreaComplex g;
    g.RealRoomDay = 500;
    g.RoomIncome = 3;
    EXPECT_EQ(g.RentPercent(), 0);
    g.RealRoomDay = 0;
    EXPECT_EQ(g.AveragePrice(), 0);
    // A tiny divisor is divided by.
    d.YearendEmployment = 1e-9;
    EXPECT_NEAR(d.LaborProductivity(), 1e10, 1);
}

TEST(HotelAreaData, GuestWorkedCases)
{
    HotelAreaData d;
    d.InTourist = 1000;
    d.HKer = 400;
    d.TWer = 100;
    d.Japan = 300;
    d.Other = 200;
    EXPECT_DOUBLE_EQ(d.TotalPerson(), 0.2);
    EXPECT_EQ(d.EntryTourist(), 1000);
    EXPECT_EQ(d.EntryTouristPercent(), 50);

    d.Clear();
    d.InTourist = 12345;
    d.Rooms = 10;
    EXPECT_DOUBLE_EQ(d.TotalPerson(), 1.23);
    EXPECT_DOUBLE_EQ(d.YearTotalReceptionPerRoom(), 0.12); // 1.23 / 10, not 1.2345 / 10

    d.Clear();
    d.InTourist = 30;
    d.Korea = 19;
    EXPECT_EQ(d.TotalPerson(), 0); // fewer than 50 guests
    d.Korea = 20;
    EXPECT_DOUBLE_EQ(d.TotalPerson(), 0.01);
}

struct TieCase
{
    const char* name;
    std::function<void(HotelAreaData&)> set;
    Indicator read;
    double expected;
};

class HotelIndicatorRoundingTest : public ::testing::TestWithParam<TieCase>
{
};

TEST_P(HotelIndicatorRoundingTest, RoundsToTwoDecimalsTiesToEven)
{
    HotelAreaData d;
    GetParam().set(d);
    EXPECT_DOUBLE_EQ(GetParam().read(d), GetParam().expected);
}

// Exact binary ties: 1/8 = 0.125, 3/8 = 0.375, 5/8 = 0.625.
INSTANTIATE_TEST_SUITE_P(Ties, HotelIndicatorRoundingTest,
                         ::testing::Values(TieCase{"YearIncomePerRoom_0125",
                                                   [](HotelAreaData& d) {
                                                       d.RoomIncome = 1;
                                                       d.Rooms = 8;
                                                   },
                                                   &HotelAreaData::YearIncomePerRoom, 0.12},
                                           TieCase{"YearIncomePerRoom_0375",
                                                   [](HotelAreaData& d) {
                                                       d.RoomIncome = 3;
                                                       d.Rooms = 8;
                                                   },
                                                   &HotelAreaData::YearIncomePerRoom, 0.38},
                                           TieCase{"LaborProductivity_0625",
                                                   [](HotelAreaData& d) {
                                                       d.OperationIncome = 5;
                                                       d.YearendEmployment = 8;
                                                   },
                                                   &HotelAreaData::LaborProductivity, 0.62},
                                           TieCase{"ProfitTotalPerCapita_minus_0125",
                                                   [](HotelAreaData& d) {
                                                       d.ProfitTotal = -1;
                                                       d.YearendEmployment = 8;
                                                   },
                                                   &HotelAreaData::ProfitTotalPerCapita, -0.12},
                                           TieCase{"TaxPerCapita_adds_tax",
                                                   [](HotelAreaData& d) {
                                                       d.ProfitTotal = 2;
                                                       d.OperationTaxAddition = 1;
                                                       d.YearendEmployment = 8;
                                                   },
                                                   &HotelAreaData::TaxPerCapita, 0.38},
                                           TieCase{"FixAssetsInitialPerCapita",
                                                   [](HotelAreaData& d) {
                                                       d.FixAssetsInitialPrice = 1000;
                                                       d.YearendEmployment = 3;
                                                   },
                                                   &HotelAreaData::FixAssetsInitialPerCapita, 333.33},
                                           TieCase{"YearTotalReceptionDayPerRoom",
                                                   [](HotelAreaData& d) {
                                                       d.InTouristDay = 7;
                                                       d.ForeignDay = 2;
                                                       d.Rooms = 8;
                                                   },
                                                   &HotelAreaData::YearTotalReceptionDayPerRoom, 1.12},
                                           TieCase{"RentPercent",
                                                   [](HotelAreaData& d) {
                                                       d.RealRoomDay = 2;
                                                       d.CheckRoomDay = 3;
                                                   },
                                                   &HotelAreaData::RentPercent, 66.67},
                                           TieCase{"AveragePrice",
                                                   [](HotelAreaData& d) {
                                                       d.RoomIncome = 12.5;
                                                       d.RealRoomDay = 3000;
                                                   },
                                                   &HotelAreaData::AveragePrice, 41.67},
                                           TieCase{"RoomIncomePercent",
                                                   [](HotelAreaData& d) {
                                                       d.RoomIncome = 1;
                                                       d.RestaurantIncome = 1;
                                                       d.OtherIncome = 1;
                                                   },
                                                   &HotelAreaData::RoomIncomePercent, 33.33},
                                           TieCase{"TotalPerson_tie",
                                                   [](HotelAreaData& d) {
                                                       d.InTourist = 1250;
                                                   }, // 0.125 in 10 000 guests
                                                   &HotelAreaData::TotalPerson, 0.12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HotelAreaComplex, Indicators)
{
    HotelAreaComplex g;
    g.RealRoomDay = 1;
    g.CheckRoomDay = 8;
    g.RoomIncome = 12;
    g.RestaurantIncome = 8;
    g.OtherIncome = 1;
    EXPECT_EQ(g.RentPercent(), 12.5);
    EXPECT_EQ(g.BusinessAmount(), 21);
    EXPECT_EQ(g.AveragePrice(), 120000);
    g.RealRoomDay = 7;
    EXPECT_DOUBLE_EQ(g.AveragePrice(), 17142.86);
    g.RealRoomDay = 1;
    g.CheckRoomDay = 3;
    EXPECT_DOUBLE_EQ(g.RentPercent(), 33.33);
}

TEST(HotelAreaData, AddingSumsFieldsAndGroupsAndKeepsTheCode)
{
    HotelAreaData a;
    a.areacode = QStringLiteral("430100");
    a.HotelNum = 2;
    a.RealRoomDay = 300;
    a.CheckRoomDay = 400;
    a.RoomIncome = 12.5;
    a.Other = 3;
    a.YearendEmployment = 10;
    a.RegType11.HotelNum = 1;
    a.RegType11.RoomIncome = 12;
    a.HotelNumStar0.Beds = 4;

    HotelAreaData b;
    b.areacode = QStringLiteral("430200");
    b.HotelNum = 1;
    b.RealRoomDay = 100;
    b.CheckRoomDay = 600;
    b.RoomIncome = 0.25;
    b.Other = 4;
    b.ProfitTotal = -2;
    b.RegType14.HotelNum = 1;
    b.RegType14.RoomIncome = 14;
    b.RegType24.HotelNum = 3;
    b.HotelNumStar0.Beds = 6;

    HotelAreaData total;
    total.AddHotelAreaData(total, a);
    total.AddHotelAreaData(total, b);
    EXPECT_TRUE(total.areacode.isEmpty());
    EXPECT_EQ(a.areacode, QStringLiteral("430100"));
    EXPECT_EQ(b.HotelNum, 1); // the source is untouched
    EXPECT_EQ(total.HotelNum, 3);
    EXPECT_EQ(total.RoomIncome, 12.75);
    EXPECT_EQ(total.Other, 7);
    EXPECT_EQ(total.ProfitTotal, -2);
    EXPECT_EQ(total.YearendEmployment, 10);
    // Indicators of a sum come from the summed figures, not from the parts' indicators.
    EXPECT_EQ(total.RentPercent(), 40);
    EXPECT_NE(total.RentPercent(), (a.RentPercent() + b.RentPercent()) / 2);
    EXPECT_EQ(total.RegType10().HotelNum, 2);
    EXPECT_EQ(total.RegType10().RoomIncome, 26);
    EXPECT_EQ(total.RegType20().HotelNum, 3);
    EXPECT_EQ(total.RegTypeAll().HotelNum, 5);
    EXPECT_EQ(total.HotelNumStarAll().Beds, 10);

    // Adding an aggregate into itself doubles it.
    HotelAreaData::AddHotelAreaData(a, a);
    EXPECT_EQ(a.HotelNum, 4);
    EXPECT_EQ(a.RegType11.RoomIncome, 24);
    EXPECT_EQ(a.areacode, QStringLiteral("430100"));
}

TEST(HotelAreaData, EveryFieldTakesPartInTheSum)
{
    // Fill every double and every group with distinct values through the sum itself.
    HotelAreaData one;
    one.HotelNum = one.Rooms = one.Beds = one.RealRoomDay = one.CheckRoomDay = 1;
    one.OperationTaxAddition = one.FixAssetsInitialPrice = one.RoomIncome = one.RestaurantIncome = 1;
    one.OtherIncome = one.InTourist = one.InTouristDay = one.TWer = one.TWerDay = one.Macaoer = 1;
    one.MacaoerDay = one.HKer = one.HkerDay = one.ForeignDay = one.OperationIncome = one.ProfitTotal = 1;
    one.YearendEmployment = 1;
    for (double* c :
         {&one.Japan,     &one.Korea,    &one.Mongolia,  &one.Indonesia,  &one.Malaysia, &one.Philippines,
          &one.Singapore, &one.Thailand, &one.India,     &one.Vietnam,    &one.Burma,    &one.NKorea,
          &one.Pakistan,  &one.OAs,      &one.Britain,   &one.France,     &one.Germany,  &one.Italy,
          &one.Swiss,     &one.Sweden,   &one.Russia,    &one.Spain,      &one.OEu,      &one.USA,
          &one.Canada,    &one.OAm,      &one.Australia, &one.NewZealand, &one.OO,       &one.Africa,
          &one.Other})
        *c = 1;
    HotelAreaComplex* groups[] = {&one.RegType1,
                                  &one.RegType2,
                                  &one.RegType3,
                                  &one.RegType4,
                                  &one.RegType5,
                                  &one.RegType6,
                                  &one.RegType7,
                                  &one.RegType8,
                                  &one.RegType11,
                                  &one.RegType12,
                                  &one.RegType13,
                                  &one.RegType14,
                                  &one.RegType21,
                                  &one.RegType22,
                                  &one.RegType23,
                                  &one.RegType24,
                                  &one.HotelNumRoomsAbove500,
                                  &one.HotelNumRoomsBetween300And499,
                                  &one.HotelNumRoomsBetween200And299,
                                  &one.HotelNumRoomsBetween100And199,
                                  &one.HotelNumRoomsBelow99,
                                  &one.HotelNumStar0,
                                  &one.HotelNumStar1,
                                  &one.HotelNumStar2,
                                  &one.HotelNumStar3,
                                  &one.HotelNumStar4,
                                  &one.HotelNumStar5};
    for (HotelAreaComplex* g : groups)
        g->HotelNum = g->Rooms = g->Beds = g->RealRoomDay = g->CheckRoomDay = g->RoomIncome =
            g->RestaurantIncome = g->OtherIncome = g->OperationTaxAddition = g->FixAssetsInitialPrice = 1;

    HotelAreaData sum;
    HotelAreaData::AddHotelAreaData(sum, one);
    HotelAreaData::AddHotelAreaData(sum, one);
    EXPECT_EQ(sum.EntryTourist(), 2 * 34);
    EXPECT_EQ(sum.TotalDay(), 2 * 5);
    EXPECT_EQ(sum.BusinessAmount(), 6);
    for (double v : {sum.HotelNum, sum.Rooms, sum.Beds, sum.RealRoomDay, sum.CheckRoomDay,
                     sum.OperationTaxAddition, sum.FixAssetsInitialPrice, sum.InTourist, sum.OperationIncome,
                     sum.ProfitTotal, sum.YearendEmployment})
        EXPECT_EQ(v, 2);
    const HotelAreaComplex all = sum.RegTypeAll();
    const HotelAreaComplex rooms = sum.HotelNumRoomsAll();
    const HotelAreaComplex stars = sum.HotelNumStarAll();
    for (double v :
         {all.HotelNum, all.Rooms, all.Beds, all.RealRoomDay, all.CheckRoomDay, all.RoomIncome,
          all.RestaurantIncome, all.OtherIncome, all.OperationTaxAddition, all.FixAssetsInitialPrice})
        EXPECT_EQ(v, 32);
    EXPECT_EQ(rooms.FixAssetsInitialPrice, 10);
    EXPECT_EQ(stars.OtherIncome, 12);
}

TEST(HotelAreaData, CompositeGroupsAreFreshObjects)
{
    HotelAreaData d;
    d.RegType21.HotelNum = 2;
    HotelAreaComplex foreign = d.RegType20();
    foreign.HotelNum = 99;
    HotelAreaComplex::AddHotelAreaComplex(foreign, d.RegType21);
    EXPECT_EQ(d.RegType20().HotelNum, 2);
    EXPECT_EQ(d.RegType21.HotelNum, 2);
    d.AutoCalculate();
    EXPECT_EQ(d.RegTypeAll().HotelNum, 2);
}

} // namespace
