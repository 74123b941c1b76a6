#include "TourUnitAreaData.h"

#include "Connection.h"
#include "Numeric.h"
#include "ResultTables.h"
#include "SqlText.h"

const QString TourUnitAreaData::Type22Columns =
    QStringLiteral("insert into type22 (value1,value2,value3,value4,value5,value6,value7,tablecode)");
const QString TourUnitAreaData::Type44Columns = QStringLiteral(
    "insert into type44 (value1,value2,value3,value4,value5,value6,value7,value8,value9,value10,tablecode)");
const QString TourUnitAreaData::Type66Columns = QStringLiteral(
    "insert into type66 (value1,value2,value3,value4,value5,value6,value7,value8,value9,value10,"
    "value11,value12,value13,tablecode)");

namespace {

QString Number(double value)
{
    return Numeric::NumberText(value);
}

} // namespace

TourUnitAreaIndex TourUnitAreaData::TravelAgencyData() const
{
    TourUnitAreaIndex view;
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, TravelAgencyDataInternational);
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, TravelAgencyDataDomestic);
    return view;
}

TourUnitAreaIndex TourUnitAreaData::TravelRestaurantData() const
{
    TourUnitAreaIndex view;
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, HotelDataDomestic);
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, HotelDataInternational);
    return view;
}

TourUnitAreaIndex TourUnitAreaData::AllAgencyData() const
{
    TourUnitAreaIndex view;
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, TravelAgencyData());
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, TravelRestaurantData());
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, TravelSpotData);
    TourUnitAreaIndex::AddTourUnitAreaIndex(view, OthersCorpData);
    return view;
}

void TourUnitAreaData::AddTourUnitAreaData(TourUnitAreaData& dest, const TourUnitAreaData& source)
{
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.TravelAgencyDataInternational,
                                            source.TravelAgencyDataInternational);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.TravelAgencyDataDomestic, source.TravelAgencyDataDomestic);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.HotelDataDomestic, source.HotelDataDomestic);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.HotelDataInternational, source.HotelDataInternational);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.TravelSpotData, source.TravelSpotData);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest.OthersCorpData, source.OthersCorpData);
}

QStringList TourUnitAreaData::CategoryBlock(const TourUnitAreaIndex& index)
{
    return {Number(index.FixAssetsInitialPrice),  Number(index.FixAssetsNetValue()),
            Number(index.OperationIncome),        Number(index.ProfitTotal),
            Number(index.OperationTaxAddition),   Number(index.ProfitPercent()),
            Number(index.LaborProductivity()),    Number(index.TaxPerCapita()),
            Number(index.ProfitTotalPerCapita()), Number(index.FixAssetsInitialPerCapita()),
            Number(index.YearendEmployment),      Number(index.TourUnitNum)};
}

ResultRow TourUnitAreaData::InsertRow(const QString& columnList, const QStringList& values)
{
    ResultRow row(columnList, values.value(0));
    for (qsizetype i = 1; i < values.size(); ++i)
        row.Text(values[i]);
    return row;
}

QString TourUnitAreaData::InsertStatement(const QString& columnList, const QStringList& values,
                                          const QString& tableCode)
{
    return InsertRow(columnList, values).Statement(tableCode);
}

QString TourUnitAreaData::RegionName() const
{
    return Connection::AreaName(areacode).trimmed();
}

void TourUnitAreaData::Save() const
{
    // One lookup serves the twelve lines of this region.
    const QString name = RegionName();
    SaveT211A(name);
    SaveT211B(name);
    SaveT211C(name);
    SaveT211D(name);
    SaveT2_2(name);
    SaveT2_3(name);
    SaveT2_4(name);
    SaveT2_5(name);
    SaveT2_6(name);
    SaveT2_7(name);
    SaveT2_8(name);
    SaveT2_9(name);
}

void TourUnitAreaData::SaveNineCategories(const QString& name, double (*quantity)(const TourUnitAreaIndex&),
                                          const QString& tableCode) const
{
    const QStringList values{name,
                             Number(quantity(AllAgencyData())),
                             Number(quantity(TravelAgencyData())),
                             Number(quantity(TravelAgencyDataInternational)),
                             Number(quantity(TravelAgencyDataDomestic)),
                             Number(quantity(TravelSpotData)),
                             Number(quantity(OthersCorpData)),
                             Number(quantity(TravelRestaurantData())),
                             Number(quantity(HotelDataDomestic)),
                             Number(quantity(HotelDataInternational))};
    ResultTables::Insert(InsertRow(Type44Columns, values), tableCode);
}

void TourUnitAreaData::SaveBlockRow(const QString& name, const TourUnitAreaIndex& index,
                                    const QString& tableCode) const
{
    const QStringList values = QStringList{name} + CategoryBlock(index);
    ResultTables::Insert(InsertRow(Type66Columns, values), tableCode);
}

void TourUnitAreaData::SaveT211A(const QString& name) const
{
    SaveNineCategories(
        name, [](const TourUnitAreaIndex& i) { return i.TourUnitNum; }, QStringLiteral("211A"));
}

void TourUnitAreaData::SaveT211B(const QString& name) const
{
    SaveNineCategories(
        name, [](const TourUnitAreaIndex& i) { return i.YearendEmployment; }, QStringLiteral("211B"));
}

void TourUnitAreaData::SaveT211C(const QString& name) const
{
    SaveNineCategories(
        name, [](const TourUnitAreaIndex& i) { return i.FixAssetsInitialPrice; }, QStringLiteral("211C"));
}

void TourUnitAreaData::SaveT211D(const QString& name) const
{
    const TourUnitAreaIndex all = AllAgencyData();
    const QStringList values{name,
                             Number(all.OperationIncome),
                             Number(all.ProfitTotal),
                             Number(all.OperationTaxAddition),
                             Number(all.LaborProductivity()),
                             Number(all.TaxPerCapita()),
                             Number(all.ProfitTotalPerCapita())};
    ResultTables::Insert(InsertRow(Type22Columns, values), QStringLiteral("211D"));
}

void TourUnitAreaData::SaveT2_2(const QString& name) const
{
    SaveBlockRow(name, AllAgencyData(), QStringLiteral("212"));
}
void TourUnitAreaData::SaveT2_3(const QString& name) const
{
    SaveBlockRow(name, TravelAgencyData(), QStringLiteral("213"));
}
void TourUnitAreaData::SaveT2_4(const QString& name) const
{
    SaveBlockRow(name, TravelAgencyDataInternational, QStringLiteral("214"));
}
void TourUnitAreaData::SaveT2_5(const QString& name) const
{
    SaveBlockRow(name, TravelAgencyDataDomestic, QStringLiteral("215"));
}
void TourUnitAreaData::SaveT2_6(const QString& name) const
{
    SaveBlockRow(name, TravelRestaurantData(), QStringLiteral("216"));
}
void TourUnitAreaData::SaveT2_7(const QString& name) const
{
    SaveBlockRow(name, HotelDataDomestic, QStringLiteral("217"));
}
void TourUnitAreaData::SaveT2_8(const QString& name) const
{
    SaveBlockRow(name, HotelDataInternational, QStringLiteral("218"));
}
void TourUnitAreaData::SaveT2_9(const QString& name) const
{
    SaveBlockRow(name, TravelSpotData, QStringLiteral("219"));
}
