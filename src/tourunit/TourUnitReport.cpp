#include "TourUnitReport.h"

#include "Connection.h"
#include "TourUnitAreaData.h"

#include <stdexcept>

namespace {

const QString Type66Columns211 = QStringLiteral(
    "insert into type66(value1,value2,value3,value4,value5,value6,value7,value8,value9,value10,"
    "value11,value12,value13,tablecode)");

void CheckPosition(int index, qsizetype count)
{
    if (index < 1 || index > count)
        throw std::out_of_range("TourUnitReport: no region at position " + std::to_string(index));
}

} // namespace

void TourUnitReport::Add(std::shared_ptr<TourUnitAreaData> areadata)
{
    items_.append(std::move(areadata));
}

int TourUnitReport::Count() const
{
    return static_cast<int>(items_.size());
}

void TourUnitReport::Delete(int index)
{
    CheckPosition(index, items_.size());
    items_.removeAt(index - 1);
}

std::shared_ptr<TourUnitAreaData> TourUnitReport::Item(int index) const
{
    CheckPosition(index, items_.size());
    return items_.at(index - 1);
}

void TourUnitReport::Clear()
{
    items_.clear();
}

std::unique_ptr<TourUnitAreaData> TourUnitReport::Total() const
{
    auto total = std::make_unique<TourUnitAreaData>();
    for (const auto& region : items_)
        TourUnitAreaData::AddTourUnitAreaData(*total, *region);
    return total;
}

void TourUnitReport::Save() const
{
    Connection::ClearResultTables();
    try {
        const auto total = Total();
        SaveT211(*total);
        total->Save();
        for (const auto& region : items_)
            region->Save();
    } catch (...) {
        try {
            Connection::ClearResultTables();
        } catch (...) {
            // The first failure is the one worth reporting.
        }
        throw;
    }
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
    Connection::ExecuteTallixSql(
        TourUnitAreaData::InsertStatement(Type66Columns211, values, QStringLiteral("211")));
}
