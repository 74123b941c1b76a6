#include "HotelAreaData.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

using D = HotelAreaData;
using G = HotelAreaComplex;
using Indicator = std::function<double(const D&)>;

// Every sum and group, so that a field forgotten by Clear or by the addition shows.
// clang-format off
double D::* const Sums[] = {
    &D::HotelNum, &D::Rooms, &D::Beds, &D::RealRoomDay, &D::CheckRoomDay, &D::OperationTaxAddition,
    &D::FixAssetsInitialPrice, &D::RoomIncome, &D::RestaurantIncome, &D::OtherIncome, &D::InTourist,
    &D::InTouristDay, &D::TWer, &D::TWerDay, &D::Macaoer, &D::MacaoerDay, &D::HKer, &D::HkerDay,
    &D::ForeignDay, &D::Japan, &D::Korea, &D::Mongolia, &D::Indonesia, &D::Malaysia, &D::Philippines,
    &D::Singapore, &D::Thailand, &D::India, &D::Vietnam, &D::Burma, &D::NKorea, &D::Pakistan, &D::OAs,
    &D::Britain, &D::France, &D::Germany, &D::Italy, &D::Swiss, &D::Sweden, &D::Russia, &D::Spain, &D::OEu,
    &D::USA, &D::Canada, &D::OAm, &D::Australia, &D::NewZealand, &D::OO, &D::Africa, &D::Other,
    &D::OperationIncome, &D::ProfitTotal, &D::YearendEmployment};
G D::* const Groups[] = {
    &D::RegType1, &D::RegType2, &D::RegType3, &D::RegType4, &D::RegType5, &D::RegType6, &D::RegType7,
    &D::RegType8, &D::RegType11, &D::RegType12, &D::RegType13, &D::RegType14, &D::RegType21, &D::RegType22,
    &D::RegType23, &D::RegType24, &D::HotelNumRoomsAbove500, &D::HotelNumRoomsBetween300And499,
    &D::HotelNumRoomsBetween200And299, &D::HotelNumRoomsBetween100And199, &D::HotelNumRoomsBelow99,
    &D::HotelNumStar0, &D::HotelNumStar1, &D::HotelNumStar2, &D::HotelNumStar3, &D::HotelNumStar4,
    &D::HotelNumStar5};
double G::* const GroupSums[] = {
    &G::HotelNum, &G::Rooms, &G::Beds, &G::RealRoomDay, &G::CheckRoomDay, &G::RoomIncome,
    &G::RestaurantIncome, &G::OtherIncome, &G::OperationTaxAddition, &G::FixAssetsInitialPrice};
const Indicator Indicators[] = {
    &D::RentPercent, &D::BusinessAmount, &D::RoomIncomePercent, &D::RestaurantIncomePercent,
    &D::OtherIncomePercent, &D::TotalPerson, &D::EntryTourist, &D::EntryTouristPercent, &D::TotalDay,
    &D::EntryTouristDay, &D::EntryTouristDayPercent, &D::AveragePrice, &D::YearIncomePerRoom,
    &D::YearTotalReceptionPerRoom, &D::YearTotalReceptionDayPerRoom, &D::LaborProductivity,
    &D::ProfitTotalPerCapita, &D::TaxPerCapita, &D::FixAssetsInitialPerCapita};
// clang-format on

void Fill(D& d, double value)
{
    for (double D::*sum : Sums)
        d.*sum = value;
    for (G D::*group : Groups)
        for (double G::*sum : GroupSums)
            (d.*group).*sum = value;
}

void ExpectGroup(const G& g, double value, const char* what)
{
    for (double G::*sum : GroupSums)
        EXPECT_EQ(g.*sum, value) << what;
}

TEST(HotelAreaData, FreshAndClearedAggregatesReadZero)
{
    D cleared;
    cleared.areacode = QStringLiteral("430000");
    Fill(cleared, 3);
    cleared.Clear();
    for (const D& d : {D(), cleared}) {
        EXPECT_TRUE(d.areacode.isEmpty());
        for (double D::*sum : Sums)
            EXPECT_EQ(d.*sum, 0);
        for (G D::*group : Groups)
            ExpectGroup(d.*group, 0, "group");
        for (const G& g :
             {d.RegTypeAll(), d.RegType10(), d.RegType20(), d.HotelNumRoomsAll(), d.HotelNumStarAll()})
            EXPECT_EQ(g.RentPercent() + g.BusinessAmount() + g.AveragePrice(), 0);
        for (const Indicator& read : Indicators)
            EXPECT_EQ(read(d), 0);
    }
}

TEST(HotelAreaData, AddingSumsEveryFieldAndGroupAndKeepsTheCode)
{
    D one;
    one.areacode = QStringLiteral("430200");
    Fill(one, 1);
    D sum;
    sum.areacode = QStringLiteral("430100");
    D::AddHotelAreaData(sum, one);
    D::AddHotelAreaData(sum, one);
    EXPECT_EQ(sum.areacode, QStringLiteral("430100"));
    EXPECT_EQ(one.HotelNum, 1); // the source is untouched
    for (double D::*field : Sums)
        EXPECT_EQ(sum.*field, 2);
    for (G D::*group : Groups)
        ExpectGroup(sum.*group, 2, "group");
    ExpectGroup(sum.RegTypeAll(), 32, "RegTypeAll");
    ExpectGroup(sum.RegType10(), 8, "RegType10");
    ExpectGroup(sum.RegType20(), 8, "RegType20");
    ExpectGroup(sum.HotelNumRoomsAll(), 10, "HotelNumRoomsAll");
    ExpectGroup(sum.HotelNumStarAll(), 12, "HotelNumStarAll");

    // Adding an aggregate into itself doubles it; the composite groups follow, as they are
    // formed anew on every read.
    D::AddHotelAreaData(sum, sum);
    EXPECT_EQ(sum.Other, 4);
    EXPECT_EQ(sum.HotelNumStar5.Beds, 4);
    ExpectGroup(sum.RegTypeAll(), 64, "RegTypeAll");
}

TEST(HotelAreaData, ZeroDivisorsGiveZeroWhateverTheDividend)
{
    D d;
    d.RealRoomDay = 500; // no CheckRoomDay
    d.RestaurantIncome = 4;
    d.OtherIncome = -4;     // BusinessAmount 0
    d.OperationIncome = 10; // no employees
    d.ProfitTotal = 3;
    d.OperationTaxAddition = 1;
    d.FixAssetsInitialPrice = 100;
    for (const Indicator& read : Indicators)
        EXPECT_EQ(read(d), 0);
    G g;
    g.RealRoomDay = 500;
    g.RoomIncome = 3;
    EXPECT_EQ(g.RentPercent(), 0);
    g.RealRoomDay = 0;
    EXPECT_EQ(g.AveragePrice(), 0);
    // A tiny divisor is divided by.
    d.YearendEmployment = 1e-9;
    EXPECT_NEAR(d.LaborProductivity(), 1e10, 1);
}

TEST(HotelAreaData, IndicatorsFromTheirFiguresRoundedToTwoDecimalsTiesToEven)
{
    using Set = std::vector<std::pair<double D::*, double>>;
    const Set guests = {
        {&D::InTourist, 1000}, {&D::HKer, 400}, {&D::TWer, 100}, {&D::Japan, 300}, {&D::Other, 200}};
    // clang-format off
    const std::tuple<Set, Indicator, double> cases[] = {
        {guests, &D::TotalPerson, 0.2}, {guests, &D::EntryTourist, 1000},
        {guests, &D::EntryTouristPercent, 50},
        {{{&D::InTourist, 12345}, {&D::Rooms, 10}}, &D::TotalPerson, 1.23},
        {{{&D::InTourist, 12345}, {&D::Rooms, 10}}, &D::YearTotalReceptionPerRoom, 0.12}, // 1.23 / 10
        {{{&D::InTourist, 30}, {&D::Korea, 19}}, &D::TotalPerson, 0}, // fewer than 50 guests
        {{{&D::InTourist, 30}, {&D::Korea, 20}}, &D::TotalPerson, 0.01},
        // Exact binary ties: 1/8 = 0.125, 3/8 = 0.375, 5/8 = 0.625.
        {{{&D::RoomIncome, 1}, {&D::Rooms, 8}}, &D::YearIncomePerRoom, 0.12},
        {{{&D::RoomIncome, 3}, {&D::Rooms, 8}}, &D::YearIncomePerRoom, 0.38},
        {{{&D::OperationIncome, 5}, {&D::YearendEmployment, 8}}, &D::LaborProductivity, 0.62},
        {{{&D::ProfitTotal, -1}, {&D::YearendEmployment, 8}}, &D::ProfitTotalPerCapita, -0.12},
        {{{&D::ProfitTotal, 2}, {&D::OperationTaxAddition, 1}, {&D::YearendEmployment, 8}},
         &D::TaxPerCapita, 0.38},
        {{{&D::FixAssetsInitialPrice, 1000}, {&D::YearendEmployment, 3}},
         &D::FixAssetsInitialPerCapita, 333.33},
        {{{&D::InTouristDay, 7}, {&D::ForeignDay, 2}, {&D::Rooms, 8}},
         &D::YearTotalReceptionDayPerRoom, 1.12},
        {{{&D::RealRoomDay, 2}, {&D::CheckRoomDay, 3}}, &D::RentPercent, 66.67},
        {{{&D::RoomIncome, 12.5}, {&D::RealRoomDay, 3000}}, &D::AveragePrice, 41.67},
        {{{&D::RoomIncome, 1}, {&D::RestaurantIncome, 1}, {&D::OtherIncome, 1}},
         &D::RoomIncomePercent, 33.33},
        {{{&D::InTourist, 1250}}, &D::TotalPerson, 0.12}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [set, read, expected] = cases[i];
        D d;
        for (const auto& [field, value] : set)
            d.*field = value;
        EXPECT_DOUBLE_EQ(read(d), expected) << "case " << i;
    }
}

} // namespace
