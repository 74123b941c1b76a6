#include "TourUnitReport.h"

#include "Connection.h"
#include "ResultTables.h"
#include "TourUnitAreaData.h"


namespace {

const QString Type66Columns211 = QStringLiteral(
    "insert into type66(value1,value2,value3,value4,value5,value6,value7,value8,value9,value10,"
    "value11,value12,value13,tablecode)");

} // namespace

std::unique_ptr<TourUnitAreaData> TourUnitReport::Total() const
{
    return SumOfItems(&TourUnitAreaData::AddTourUnitAreaData);
}

void TourUnitReport::Save() const
{
    SaveReport(*Total(), [this](const TourUnitAreaData& total) { SaveT211(total); });
}

void TourUnitReport::SaveT211(const TourUnitAreaData& data) const
{
    SaveT211Row(QStringLiteral("     合计"), data.AllAgencyData());
    SaveT211Row(QStringLiteral("（一）旅行社"), data.TravelAgencyData());
    SaveT211Row(QStringLiteral("      国际旅行社"), data.TravelAgencyDataInternational);
    SaveT211Row(QStringLiteral("      国内旅行社"), data.TravelAgencyDataDomestic);
    SaveT211Row(QStringLiteral("（二）旅游涉外饭店"), data.TravelRestaurantData());
    SaveT211Row(QStringLiteral("      内资饭店"), data.HotelDataDomestic);
    SaveT211Row(QStringLiteral("      外资饭店"), data.HotelDataInternational);
    SaveT211Row(QStringLiteral("（三）旅游区（点）"), data.TravelSpotData);
    SaveT211Row(QStringLiteral("（四）其他旅游企业"), data.OthersCorpData);
}

void TourUnitReport::SaveT211Row(const QString& label, const TourUnitAreaIndex& index) const
{
    const QStringList values = QStringList{label} + TourUnitAreaData::CategoryBlock(index);
    ResultTables::Insert(TourUnitAreaData::InsertRow(Type66Columns211, values), QStringLiteral("211"));
}
