#include "HotelAreaComplex.h"

#include "Numeric.h"

namespace {

constexpr double HotelAreaComplex::*Sums[] = {
    &HotelAreaComplex::HotelNum,
    &HotelAreaComplex::Rooms,
    &HotelAreaComplex::Beds,
    &HotelAreaComplex::RealRoomDay,
    &HotelAreaComplex::CheckRoomDay,
    &HotelAreaComplex::RoomIncome,
    &HotelAreaComplex::RestaurantIncome,
    &HotelAreaComplex::OtherIncome,
    &HotelAreaComplex::OperationTaxAddition,
    &HotelAreaComplex::FixAssetsInitialPrice,
};

} // namespace

HotelAreaComplex::HotelAreaComplex()
{
    Clear();
}

double HotelAreaComplex::RentPercent() const
{
    if (CheckRoomDay == 0.0)
        return 0.0;
    return Numeric::RoundTwo(RealRoomDay / CheckRoomDay * 100.0);
}

double HotelAreaComplex::BusinessAmount() const
{
    return RoomIncome + RestaurantIncome + OtherIncome;
}

double HotelAreaComplex::AveragePrice() const
{
    if (RealRoomDay == 0.0)
        return 0.0;
    return Numeric::RoundTwo(RoomIncome * 10000.0 / RealRoomDay);
}

void HotelAreaComplex::Clear()
{
    for (auto field : Sums)
        this->*field = 0.0;
}

void HotelAreaComplex::AddHotelAreaComplex(HotelAreaComplex& dest, const HotelAreaComplex& source)
{
    for (auto field : Sums)
        dest.*field += source.*field;
}
