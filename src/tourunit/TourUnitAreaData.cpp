#include "TourUnitAreaData.h"

#include "Connection.h"
#include "Numeric.h"
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

QString TourUnitAreaData::InsertStatement(const QString& columnList, const QStringList& values,
                                          const QString& tableCode)
{
    QStringList escaped;
    escaped.reserve(values.size());
    for (const QString& value : values)
        escaped << SqlText::Escape(value);
    return columnList + QStringLiteral("values ('") + escaped.join(QStringLiteral("','")) +
           QStringLiteral("','") + SqlText::Escape(tableCode) + QStringLiteral("')");
}

QString TourUnitAreaData::RegionName() const
{
    return Connection::AreaName(areacode).trimmed();
}

void TourUnitAreaData::Save() const
{
    SaveT211A();
    SaveT211B();
    SaveT211C();
    SaveT211D();
    SaveT2_2();
    SaveT2_3();
    SaveT2_4();
    SaveT2_5();
    SaveT2_6();
    SaveT2_7();
    SaveT2_8();
    SaveT2_9();
}

void TourUnitAreaData::SaveNineCategories(double (*quantity)(const TourUnitAreaIndex&),
                                          const QString& tableCode) const
{
    const QStringList values{RegionName(),
                             Number(quantity(AllAgencyData())),
                             Number(quantity(TravelAgencyData())),
                             Number(quantity(TravelAgencyDataInternational)),
                             Number(quantity(TravelAgencyDataDomestic)),
                             Number(quantity(TravelSpotData)),
                             Number(quantity(OthersCorpData)),
                             Number(quantity(TravelRestaurantData())),
                             Number(quantity(HotelDataDomestic)),
                             Number(quantity(HotelDataInternational))};
    Connection::ExecuteTallixSql(InsertStatement(Type44Columns, values, tableCode));
}

void TourUnitAreaData::SaveBlockRow(const TourUnitAreaIndex& index, const QString& tableCode) const
{
    const QStringList values = QStringList{RegionName()} + CategoryBlock(index);
    Connection::ExecuteTallixSql(InsertStatement(Type66Columns, values, tableCode));
}

void TourUnitAreaData::SaveT211A() const
{
    SaveNineCategories([](const TourUnitAreaIndex& i) { return i.TourUnitNum; }, QStringLiteral("211A"));
}

void TourUnitAreaData::SaveT211B() const
{
    SaveNineCategories([](const TourUnitAreaIndex& i) { return i.YearendEmployment; },
                       QStringLiteral("211B"));
}

void TourUnitAreaData::SaveT211C() const
{
    SaveNineCategories([](const TourUnitAreaIndex& i) { return i.FixAssetsInitialPrice; },
                       QStringLiteral("211C"));
}

void TourUnitAreaData::SaveT211D() const
{
    const TourUnitAreaIndex all = AllAgencyData();
    const QStringList values{RegionName(),
                             Number(all.OperationIncome),
                             Number(all.ProfitTotal),
                             Number(all.OperationTaxAddition),
                             Number(all.LaborProductivity()),
                             Number(all.TaxPerCapita()),
                             Number(all.ProfitTotalPerCapita())};
    Connection::ExecuteTallixSql(InsertStatement(Type22Columns, values, QStringLiteral("211D")));
}

void TourUnitAreaData::SaveT2_2() const
{
    SaveBlockRow(AllAgencyData(), QStringLiteral("212"));
}
void TourUnitAreaData::SaveT2_3() const
{
    SaveBlockRow(TravelAgencyData(), QStringLiteral("213"));
}
void TourUnitAreaData::SaveT2_4() const
{
    SaveBlockRow(TravelAgencyDataInternational, QStringLiteral("214"));
}
void TourUnitAreaData::SaveT2_5() const
{
    SaveBlockRow(TravelAgencyDataDomestic, QStringLiteral("215"));
}
void TourUnitAreaData::SaveT2_6() const
{
    SaveBlockRow(TravelRestaurantData(), QStringLiteral("216"));
}
void TourUnitAreaData::SaveT2_7() const
{
    SaveBlockRow(HotelDataDomestic, QStringLiteral("217"));
}
void TourUnitAreaData::SaveT2_8() const
{
    SaveBlockRow(HotelDataInternational, QStringLiteral("218"));
}
void TourUnitAreaData::SaveT2_9() const
{
    SaveBlockRow(TravelSpotData, QStringLiteral("219"));
}
