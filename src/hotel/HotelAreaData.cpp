#include "HotelAreaData.h"

#include "Connection.h"
#include "Numeric.h"
#include "ResultRow.h"
#include "ResultTables.h"

#include <iterator>

namespace {

using D = HotelAreaData;

// The 53 sums in declaration order.
constexpr double D::*Sums[] = {
    &D::HotelNum,
    &D::Rooms,
    &D::Beds,
    &D::RealRoomDay,
    &D::CheckRoomDay,
    &D::OperationTaxAddition,
    &D::FixAssetsInitialPrice,
    &D::RoomIncome,
    &D::RestaurantIncome,
    &D::OtherIncome,
    &D::InTourist,
    &D::InTouristDay,
    &D::TWer,
    &D::TWerDay,
    &D::Macaoer,
    &D::MacaoerDay,
    &D::HKer,
    &D::HkerDay,
    &D::ForeignDay,
    &D::Japan,
    &D::Korea,
    &D::Mongolia,
    &D::Indonesia,
    &D::Malaysia,
    &D::Philippines,
    &D::Singapore,
    &D::Thailand,
    &D::India,
    &D::Vietnam,
    &D::Burma,
    &D::NKorea,
    &D::Pakistan,
    &D::OAs,
    &D::Britain,
    &D::France,
    &D::Germany,
    &D::Italy,
    &D::Swiss,
    &D::Sweden,
    &D::Russia,
    &D::Spain,
    &D::OEu,
    &D::USA,
    &D::Canada,
    &D::OAm,
    &D::Australia,
    &D::NewZealand,
    &D::OO,
    &D::Africa,
    &D::Other,
    &D::OperationIncome,
    &D::ProfitTotal,
    &D::YearendEmployment,
};
static_assert(std::size(Sums) == 53);

// The 27 groups in declaration order.
constexpr HotelAreaComplex D::*Groups[] = {
    &D::RegType1,
    &D::RegType2,
    &D::RegType3,
    &D::RegType4,
    &D::RegType5,
    &D::RegType6,
    &D::RegType7,
    &D::RegType8,
    &D::RegType11,
    &D::RegType12,
    &D::RegType13,
    &D::RegType14,
    &D::RegType21,
    &D::RegType22,
    &D::RegType23,
    &D::RegType24,
    &D::HotelNumRoomsAbove500,
    &D::HotelNumRoomsBetween300And499,
    &D::HotelNumRoomsBetween200And299,
    &D::HotelNumRoomsBetween100And199,
    &D::HotelNumRoomsBelow99,
    &D::HotelNumStar0,
    &D::HotelNumStar1,
    &D::HotelNumStar2,
    &D::HotelNumStar3,
    &D::HotelNumStar4,
    &D::HotelNumStar5,
};
static_assert(std::size(Groups) == 27);

constexpr double D::*Countries[] = {
    &D::Japan,    &D::Korea,  &D::Mongolia, &D::Indonesia, &D::Malaysia, &D::Philippines, &D::Singapore,
    &D::Thailand, &D::India,  &D::Vietnam,  &D::Burma,     &D::NKorea,   &D::Pakistan,    &D::OAs,
    &D::Britain,  &D::France, &D::Germany,  &D::Italy,     &D::Swiss,    &D::Sweden,      &D::Russia,
    &D::Spain,    &D::OEu,    &D::USA,      &D::Canada,    &D::OAm,      &D::Australia,   &D::NewZealand,
    &D::OO,       &D::Africa, &D::Other,
};
static_assert(std::size(Countries) == 31);

// Percent share rounded to two decimals; 0 when the whole is 0.
double Percent(double part, double whole)
{
    return whole == 0.0 ? 0.0 : Numeric::RoundTwo(part / whole * 100.0);
}

double PerUnit(double value, double divisor)
{
    return divisor == 0.0 ? 0.0 : Numeric::RoundTwo(value / divisor);
}

HotelAreaComplex SumOf(std::initializer_list<const HotelAreaComplex*> groups)
{
    HotelAreaComplex sum;
    sum.Clear();
    for (const HotelAreaComplex* group : groups)
        HotelAreaComplex::AddHotelAreaComplex(sum, *group);
    return sum;
}

} // namespace

HotelAreaData::HotelAreaData()
{
    Clear();
}

double HotelAreaData::RentPercent() const
{
    return Percent(RealRoomDay, CheckRoomDay);
}

HotelAreaComplex HotelAreaData::RegTypeAll() const
{
    const HotelAreaComplex hongKongMacaoTaiwan = RegType10();
    const HotelAreaComplex foreign = RegType20();
    return SumOf({&RegType1, &RegType2, &RegType3, &RegType4, &RegType5, &RegType6, &RegType7, &RegType8,
                  &hongKongMacaoTaiwan, &foreign});
}

HotelAreaComplex HotelAreaData::RegType10() const
{
    return SumOf({&RegType11, &RegType12, &RegType13, &RegType14});
}

HotelAreaComplex HotelAreaData::RegType20() const
{
    return SumOf({&RegType21, &RegType22, &RegType23, &RegType24});
}

HotelAreaComplex HotelAreaData::HotelNumRoomsAll() const
{
    return SumOf({&HotelNumRoomsAbove500, &HotelNumRoomsBetween300And499, &HotelNumRoomsBetween200And299,
                  &HotelNumRoomsBetween100And199, &HotelNumRoomsBelow99});
}

HotelAreaComplex HotelAreaData::HotelNumStarAll() const
{
    return SumOf(
        {&HotelNumStar0, &HotelNumStar1, &HotelNumStar2, &HotelNumStar3, &HotelNumStar4, &HotelNumStar5});
}

double HotelAreaData::BusinessAmount() const
{
    return RoomIncome + RestaurantIncome + OtherIncome;
}

double HotelAreaData::RoomIncomePercent() const
{
    return Percent(RoomIncome, BusinessAmount());
}

double HotelAreaData::RestaurantIncomePercent() const
{
    return Percent(RestaurantIncome, BusinessAmount());
}

double HotelAreaData::OtherIncomePercent() const
{
    return Percent(OtherIncome, BusinessAmount());
}

double HotelAreaData::TotalPerson() const
{
    double guests = InTourist + TWer + Macaoer + HKer;
    for (auto field : Countries)
        guests += this->*field;
    return Numeric::RoundTwo(guests / 10000.0);
}

double HotelAreaData::EntryTourist() const
{
    double guests = TWer + Macaoer + HKer;
    for (auto field : Countries)
        guests += this->*field;
    return guests;
}

double HotelAreaData::EntryTouristPercent() const
{
    const double entry = EntryTourist();
    return Percent(entry, InTourist + entry);
}

double HotelAreaData::TotalDay() const
{
    return InTouristDay + TWerDay + MacaoerDay + HkerDay + ForeignDay;
}

double HotelAreaData::EntryTouristDay() const
{
    return TWerDay + MacaoerDay + HkerDay + ForeignDay;
}

double HotelAreaData::EntryTouristDayPercent() const
{
    return Percent(EntryTouristDay(), TotalDay());
}

double HotelAreaData::AveragePrice() const
{
    return PerUnit(RoomIncome * 10000.0, RealRoomDay);
}

double HotelAreaData::YearIncomePerRoom() const
{
    return PerUnit(RoomIncome, Rooms);
}

double HotelAreaData::YearTotalReceptionPerRoom() const
{
    return PerUnit(TotalPerson(), Rooms);
}

double HotelAreaData::YearTotalReceptionDayPerRoom() const
{
    return PerUnit(TotalDay(), Rooms);
}

double HotelAreaData::LaborProductivity() const
{
    return PerUnit(OperationIncome, YearendEmployment);
}

double HotelAreaData::ProfitTotalPerCapita() const
{
    return PerUnit(ProfitTotal, YearendEmployment);
}

double HotelAreaData::TaxPerCapita() const
{
    return PerUnit(ProfitTotal + OperationTaxAddition, YearendEmployment);
}

double HotelAreaData::FixAssetsInitialPerCapita() const
{
    return PerUnit(FixAssetsInitialPrice, YearendEmployment);
}

void HotelAreaData::Clear()
{
    areacode.clear();
    for (auto field : Sums)
        this->*field = 0.0;
    for (auto group : Groups)
        (this->*group).Clear();
}

void HotelAreaData::AddHotelAreaData(HotelAreaData& dest, const HotelAreaData& source)
{
    for (auto field : Sums)
        dest.*field += source.*field;
    for (auto group : Groups)
        HotelAreaComplex::AddHotelAreaComplex(dest.*group, source.*group);
}

void HotelAreaData::Save() const
{
    // One lookup serves the nine lines of this aggregate.
    const QString name = Connection::AreaName(areacode).trimmed();
    SaveT1_2(name);
    SaveT1_3(name);
    SaveT1_4(name);
    SaveT1_5(name);
    SaveT1_6(name);
    SaveT1_7(name);
    SaveT1_8(name);
    SaveT1_9(name);
    SaveT1_10(name);
}

void HotelAreaData::SaveT1_2(const QString& name) const
{
    ResultRow row(
        QStringLiteral(
            "insert into type22(value1,value2,value3,value4,value5,value6,value7,value8,tablecode)"),
        name);
    row.Value(HotelNum).Value(Rooms).Value(Beds).Value(RentPercent()).Value(BusinessAmount());
    row.Value(OperationTaxAddition).Value(FixAssetsInitialPrice);
    ResultTables::Insert(row, QStringLiteral("1_2"));
}

void HotelAreaData::SaveT1_3(const QString& name) const
{
    ResultRow row(
        QStringLiteral("insert into type22(value1,value2,value3,value4,value5,value6,value7,value8,value9,"
                       "value10,value11,value12,tablecode)"),
        name);
    row.Value(HotelNum);
    for (const HotelAreaComplex* group :
         {&RegType1, &RegType2, &RegType3, &RegType4, &RegType5, &RegType6, &RegType7, &RegType8})
        row.Value(group->HotelNum);
    row.Value(RegType10().HotelNum).Value(RegType20().HotelNum);
    ResultTables::Insert(row, QStringLiteral("1_3"));
}

void HotelAreaData::SaveT1_4(const QString& name) const
{
    ResultRow row(
        QStringLiteral("insert into type22(value1,value2,value3,value4,value5,value6,value7,tablecode)"),
        name);
    row.BlankOutside(HotelNum);
    row.Value(HotelNumRoomsAbove500.HotelNum).Value(HotelNumRoomsBetween300And499.HotelNum);
    row.Value(HotelNumRoomsBetween200And299.HotelNum).BlankFirst(HotelNumRoomsBetween100And199.HotelNum);
    row.Value(HotelNumRoomsBelow99.HotelNum);
    ResultTables::Insert(row, QStringLiteral("1_4"));
}

void HotelAreaData::SaveT1_5(const QString& name) const
{
    ResultRow row(
        QStringLiteral(
            "insert into type22(value1,value2,value3,value4,value5,value6,value7,value8,tablecode)"),
        name);
    row.Value(HotelNum);
    for (const HotelAreaComplex* group :
         {&HotelNumStar5, &HotelNumStar4, &HotelNumStar3, &HotelNumStar2, &HotelNumStar1, &HotelNumStar0})
        row.Value(group->HotelNum);
    ResultTables::Insert(row, QStringLiteral("1_5"));
}

void HotelAreaData::SaveT1_6(const QString& name) const
{
    ResultRow row(QStringLiteral("insert into type33(value1,value2,value3,value4,value5,value6,tablecode)"),
                  name);
    row.BlankFirst(HotelNum).Value(BusinessAmount()).BlankFirst(RoomIncome).Value(RestaurantIncome);
    row.BlankFirst(OtherIncome);
    ResultTables::Insert(row, QStringLiteral("1_6"));
}

void HotelAreaData::SaveT1_7(const QString& name) const
{
    ResultRow row(QStringLiteral("insert into type33(value1,value2,value3,value4,value5,value6,tablecode)"),
                  name);
    row.Value(HotelNum).Value(BusinessAmount()).Value(RoomIncomePercent()).Value(RestaurantIncomePercent());
    row.Value(OtherIncomePercent());
    ResultTables::Insert(row, QStringLiteral("1_7"));
}

void HotelAreaData::SaveT1_8(const QString& name) const
{
    ResultRow row(
        QStringLiteral(
            "insert into type55(value1,value2,value3,value4,value5,value6,value7,value8,tablecode)"),
        name);
    row.Value(HotelNum).Value(TotalPerson()).Value(EntryTourist()).Value(EntryTouristPercent());
    row.Value(TotalDay()).Value(EntryTouristDay()).Value(EntryTouristDayPercent());
    ResultTables::Insert(row, QStringLiteral("1_8"));
}

void HotelAreaData::SaveT1_9(const QString& name) const
{
    ResultRow row(
        QStringLiteral("insert into type66(value1,value2,value3,value4,value5,value6,value7,value8,value9,"
                       "tablecode)"),
        name);
    row.BlankFirst(HotelNum).Value(Rooms).BlankFirst(Beds).Value(RentPercent()).BlankFirst(AveragePrice());
    row.Value(YearIncomePerRoom())
        .BlankFirst(YearTotalReceptionPerRoom())
        .Value(YearTotalReceptionDayPerRoom());
    ResultTables::Insert(row, QStringLiteral("1_9"));
}

void HotelAreaData::SaveT1_10(const QString& name) const
{
    ResultRow row(QStringLiteral("insert into type22(value1,value2,value3,value4,value5,value6,tablecode)"),
                  name);
    row.Value(LaborProductivity()).Value(ProfitTotalPerCapita()).Value(TaxPerCapita());
    row.Value(FixAssetsInitialPerCapita()).Value(YearendEmployment);
    ResultTables::Insert(row, QStringLiteral("1_10"));
}
