#include "HotelReport.h"

#include "Connection.h"
#include "ResultRow.h"
#include "ResultTables.h"

std::shared_ptr<HotelAreaData> HotelReport::Total() const
{
    return SumOfItems(&HotelAreaData::AddHotelAreaData);
}

void HotelReport::Save() const
{
    SaveReport(*Total(), [this](const HotelAreaData& total) { SaveT1_1(total); });
}

void HotelReport::SaveT1_1(const HotelAreaData& total) const
{
    SaveT1_1Row(QStringLiteral("合计"), total.RegTypeAll());
    SaveT1_1Row(QStringLiteral("国有企业"), total.RegType1);
    SaveT1_1Row(QStringLiteral("集体企业"), total.RegType2);
    SaveT1_1Row(QStringLiteral("股份合作企业"), total.RegType3);
    SaveT1_1Row(QStringLiteral("联营企业"), total.RegType4);
    SaveT1_1Row(QStringLiteral("有限责任公司"), total.RegType5);
    SaveT1_1Row(QStringLiteral("股份有限公司"), total.RegType6);
    SaveT1_1Row(QStringLiteral("私营企业"), total.RegType7);
    SaveT1_1Row(QStringLiteral("其他内资企业"), total.RegType8);
    SaveT1_1Row(QStringLiteral("港澳台投资企业"), total.RegType10());
    SaveT1_1Row(QStringLiteral("外商投资企业"), total.RegType20());
    SaveT1_1Row(QStringLiteral("合计"), total.HotelNumRoomsAll());
    SaveT1_1Row(QStringLiteral("500间以上"), total.HotelNumRoomsAbove500);
    SaveT1_1Row(QStringLiteral("300－499间"), total.HotelNumRoomsBetween300And499);
    SaveT1_1Row(QStringLiteral("200－299间"), total.HotelNumRoomsBetween200And299);
    SaveT1_1Row(QStringLiteral("100－199间"), total.HotelNumRoomsBetween100And199);
    SaveT1_1Row(QStringLiteral("1－99间"), total.HotelNumRoomsBelow99);
    SaveT1_1Row(QStringLiteral("合计"), total.HotelNumStarAll());
    SaveT1_1Row(QStringLiteral("五星级"), total.HotelNumStar5);
    SaveT1_1Row(QStringLiteral("四星级"), total.HotelNumStar4);
    SaveT1_1Row(QStringLiteral("三星级"), total.HotelNumStar3);
    SaveT1_1Row(QStringLiteral("二星级"), total.HotelNumStar2);
    SaveT1_1Row(QStringLiteral("一星级"), total.HotelNumStar1);
    SaveT1_1Row(QStringLiteral("未评星级饭店"), total.HotelNumStar0);
}

void HotelReport::SaveT1_1Row(const QString& label, const HotelAreaComplex& group) const
{
    ResultRow row(
        QStringLiteral("insert into type11(value1,value2,value3,value4,value5,value6,value7,value8,value9,"
                       "tablecode)"),
        label);
    row.Value(group.HotelNum).Value(group.Rooms).Value(group.Beds).Value(group.RentPercent());
    row.Value(group.BusinessAmount()).Value(group.OperationTaxAddition).Value(group.FixAssetsInitialPrice);
    row.Value(group.AveragePrice());
    ResultTables::Insert(row, QStringLiteral("1_1"));
}
