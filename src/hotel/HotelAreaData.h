#pragma once

#include "HotelAreaComplex.h"

#include <QString>

// The sums of the hotel returns of one region for one month (or of one hotel record, or
// the total of a report), split into 27 hotel groups. Every indicator is computed when it
// is read; nothing is cached.
class HotelAreaData
{
public:
    HotelAreaData();

    QString areacode;

    double HotelNum;
    double Rooms;
    double Beds;
    double RealRoomDay;
    double CheckRoomDay;
    double OperationTaxAddition;
    double FixAssetsInitialPrice;

    HotelAreaComplex RegType1;
    HotelAreaComplex RegType2;
    HotelAreaComplex RegType3;
    HotelAreaComplex RegType4;
    HotelAreaComplex RegType5;
    HotelAreaComplex RegType6;
    HotelAreaComplex RegType7;
    HotelAreaComplex RegType8;
    HotelAreaComplex RegType11;
    HotelAreaComplex RegType12;
    HotelAreaComplex RegType13;
    HotelAreaComplex RegType14;
    HotelAreaComplex RegType21;
    HotelAreaComplex RegType22;
    HotelAreaComplex RegType23;
    HotelAreaComplex RegType24;
    HotelAreaComplex HotelNumRoomsAbove500;
    HotelAreaComplex HotelNumRoomsBetween300And499;
    HotelAreaComplex HotelNumRoomsBetween200And299;
    HotelAreaComplex HotelNumRoomsBetween100And199;
    HotelAreaComplex HotelNumRoomsBelow99;
    HotelAreaComplex HotelNumStar0;
    HotelAreaComplex HotelNumStar1;
    HotelAreaComplex HotelNumStar2;
    HotelAreaComplex HotelNumStar3;
    HotelAreaComplex HotelNumStar4;
    HotelAreaComplex HotelNumStar5;

    double RoomIncome;
    double RestaurantIncome;
    double OtherIncome;

    // Guests of the month, person-times and person-days.
    double InTourist;
    double InTouristDay;
    double TWer;
    double TWerDay;
    double Macaoer;
    double MacaoerDay;
    double HKer;
    double HkerDay;
    double ForeignDay;

    // Foreign guests by country or area, person-times.
    double Japan;
    double Korea;
    double Mongolia;
    double Indonesia;
    double Malaysia;
    double Philippines;
    double Singapore;
    double Thailand;
    double India;
    double Vietnam;
    double Burma;
    double NKorea;
    double Pakistan;
    double OAs;
    double Britain;
    double France;
    double Germany;
    double Italy;
    double Swiss;
    double Sweden;
    double Russia;
    double Spain;
    double OEu;
    double USA;
    double Canada;
    double OAm;
    double Australia;
    double NewZealand;
    double OO;
    double Africa;
    double Other;

    double OperationIncome;
    double ProfitTotal;
    double YearendEmployment;

    double RentPercent() const;
    // Composite groups: fresh objects, changing them leaves the aggregate alone.
    HotelAreaComplex RegTypeAll() const;
    HotelAreaComplex RegType10() const;
    HotelAreaComplex RegType20() const;
    HotelAreaComplex HotelNumRoomsAll() const;
    HotelAreaComplex HotelNumStarAll() const;
    double BusinessAmount() const;
    double RoomIncomePercent() const;
    double RestaurantIncomePercent() const;
    double OtherIncomePercent() const;
    // All guests in 10 000 person-times.
    double TotalPerson() const;
    double EntryTourist() const;
    double EntryTouristPercent() const;
    double TotalDay() const;
    double EntryTouristDay() const;
    double EntryTouristDayPercent() const;
    double AveragePrice() const;
    double YearIncomePerRoom() const;
    double YearTotalReceptionPerRoom() const;
    double YearTotalReceptionDayPerRoom() const;
    double LaborProductivity() const;
    double ProfitTotalPerCapita() const;
    double TaxPerCapita() const;
    double FixAssetsInitialPerCapita() const;

    void Clear();
    // dest += source: the 53 sums and the 27 groups; dest.areacode stays. The object it is
    // called on takes no part.
    static void AddHotelAreaData(HotelAreaData& dest, const HotelAreaData& source);
    // Indicators are computed when read; kept for callers that finish a pass with it.
    void AutoCalculate() {}

    // Writes this aggregate's line of each of the tables 1-2 to 1-10.
    void Save() const;

private:
    void SaveT1_2(const QString& name) const;
    void SaveT1_3(const QString& name) const;
    void SaveT1_4(const QString& name) const;
    void SaveT1_5(const QString& name) const;
    void SaveT1_6(const QString& name) const;
    void SaveT1_7(const QString& name) const;
    void SaveT1_8(const QString& name) const;
    void SaveT1_9(const QString& name) const;
    void SaveT1_10(const QString& name) const;
};
