#pragma once

// The sums of one hotel group (a registration type, a room-size band or a star level)
// and the group's own indicators. The engine adds whole numbers into a group.
class HotelAreaComplex
{
public:
    HotelAreaComplex();

    double HotelNum;
    double Rooms;
    double Beds;
    double RealRoomDay;
    double CheckRoomDay;
    double RoomIncome;
    double RestaurantIncome;
    double OtherIncome;
    double OperationTaxAddition;
    double FixAssetsInitialPrice;

    // Occupancy in percent, 0 without available room-days.
    double RentPercent() const;
    double BusinessAmount() const;
    // Room revenue per room-day let, in yuan (revenue is held in 10 000 yuan).
    double AveragePrice() const;

    void Clear();
    // dest += source, field by field; the object it is called on takes no part.
    static void AddHotelAreaComplex(HotelAreaComplex& dest, const HotelAreaComplex& source);
};
