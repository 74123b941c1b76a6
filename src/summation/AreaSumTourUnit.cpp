// The TourUnit pass of AreaSum.
#include "AreaSum.h"

#include "ConversionError.h"
#include "DbConnection.h"
#include "Numeric.h"
#include "Recordset.h"
#include "RegionBuckets.h"
#include "RegionSelection.h"
#include "SourcePeriod.h"
#include "SqlText.h"
#include "TourUnitAreaData.h"

#include <optional>
#include <vector>

namespace {

// What the columns of a statement are for, worked out once per statement rather than for
// every row: the index member each adds to (null for the others) and the category columns.
struct ReturnColumns
{
    std::vector<double TourUnitAreaIndex::*> members;
    int travelAgencyType = -1;
    int registrationType = -1;
};

// The pieces in which the four yearly statements differ.
struct ReturnQuery
{
    const char* FixAssets;
    const char* Depreciation;
    const char* Employment;
    const char* Kind; // the register column that decides the category, or ""
    const char* Table;
    const char* Summed; // the return's columns the sums read, for the test of text values
    // Adds one enterprise's row to the aggregate it belongs in.
    void (*Load)(TourUnitAreaData& data, const Recordset& fields, const ReturnColumns& columns);
};

// The yearly statement of one kind of return with a region test in place of the one region's
// "regionalismcode like '<prefix>%'" (none: every enterprise). A run over several regions
// also selects the register's region code, to hand each enterprise to its regions.
QString Statement(const ReturnQuery& q, const QString& regionClause, std::int16_t year, bool withRegion)
{
    const QString table = QLatin1String(q.Table);
    QString sql = QStringLiteral("SELECT Base01.code ") + QLatin1String(q.FixAssets) + QLatin1String(q.Depreciation) +
                  QStringLiteral(" ,SUM(OperationIncome) AS OperationIncome") +
                  QStringLiteral(" ,SUM(ProfitTotal) AS ProfitTotal") +
                  QStringLiteral(" ,SUM(OperationTaxAddition) AS OperationTaxAddition") +
                  QLatin1String(q.Employment) + QLatin1String(q.Kind);
    if (withRegion) {
        // SUM would quietly take a text such as 'n/a' as 0: the run notes where one stands.
        QStringList types;
        for (const QString& column : QString::fromLatin1(q.Summed).split(QLatin1Char(',')))
            types << QStringLiteral("typeof(") + table + QLatin1Char('.') + column + QLatin1Char(')');
        sql += QStringLiteral(" ,Base01.regionalismcode AS regionalismcode ,MAX(max(") + types.join(QLatin1Char(',')) +
               QStringLiteral(")='text') AS TextValueFound");
    }
    sql += QStringLiteral(" FROM Base01 ") + QStringLiteral(" INNER JOIN ") + table + QStringLiteral(" ON ") + table +
           QStringLiteral(".code=Base01.code ") + QStringLiteral(" WHERE ");
    if (!regionClause.isEmpty())
        sql += regionClause + QStringLiteral(" AND ");
    return sql + QStringLiteral("YEAR(") + table + QStringLiteral(".TableDate)=") + QString::number(year) +
           QStringLiteral(" AND ") + SourcePeriod::Range(table + QStringLiteral(".TableDate"), year) +
           QStringLiteral(" GROUP BY Base01.code");
}

// Every text among an enterprise's summed values of the year must read as a number, or the
// run stops naming the enterprise, the column and the value.
void CheckTextValues(DbConnection& connection, const ReturnQuery& q, const QString& code, std::int16_t year)
{
    const QString table = QLatin1String(q.Table);
    Recordset values;
    values.Open(QStringLiteral("SELECT ") + QLatin1String(q.Summed) + QStringLiteral(" FROM ") + table +
                    QStringLiteral(" WHERE code='") + SqlText::Escape(code) + QStringLiteral("' AND YEAR(") + table +
                    QStringLiteral(".TableDate)=") + QString::number(year),
                connection);
    for (values.MoveFirst(); !values.IsEOF(); values.MoveNext())
        for (int i = 0; i < values.FieldCount(); ++i) {
            const QVariant value = values.Value(i);
            if (value.isNull() || value.typeId() != QMetaType::QString)
                continue;
            try {
                Numeric::ToDouble(value);
            } catch (const ConversionError& e) {
                throw e.WithContext(QStringLiteral("表 ") + table + QStringLiteral("，企业 ") + code.trimmed() +
                                    QStringLiteral("，字段 ") + values.FieldNames()[i]);
            }
        }
}

// A conversion failure told with the enterprise and the column it came from.
ConversionError InContext(const ConversionError& e, const Recordset& fields, const QString& column)
{
    const int codeField = fields.IndexOf(QStringLiteral("code"));
    const QString code = codeField < 0 ? QString() : fields.Value(codeField).toString().trimmed();
    return e.WithContext(QStringLiteral("企业 ") + code + QStringLiteral("，字段 ") + column);
}

// The category number in the register column at `column` (-1: the query has none), or
// nullopt when it holds nothing: a text column of blanks is as empty as NULL.
std::optional<double> KindNumber(const Recordset& fields, int column, bool wholeNumber)
{
    if (column < 0)
        return std::nullopt;
    const SqlValue& value = fields.CurrentRow()[column];
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return std::nullopt;
    try {
        return wholeNumber ? static_cast<double>(Numeric::ToInt32(value)) : Numeric::ToDouble(value);
    } catch (const ConversionError& e) {
        throw InContext(e, fields, fields.FieldNames()[column]);
    }
}

ReturnColumns ColumnsOf(const Recordset& fields)
{
    struct Sum
    {
        const char* Name;
        double TourUnitAreaIndex::*Member;
    };
    static const Sum sums[] = {
        {"FixAssetsInitialPrice", &TourUnitAreaIndex::FixAssetsInitialPrice},
        {"AccumulatedDepreciation", &TourUnitAreaIndex::AccumulatedDepreciation},
        {"OperationIncome", &TourUnitAreaIndex::OperationIncome},
        {"ProfitTotal", &TourUnitAreaIndex::ProfitTotal},
        {"OperationTaxAddition", &TourUnitAreaIndex::OperationTaxAddition},
        {"YearendEmployment", &TourUnitAreaIndex::YearendEmployment},
    };
    const QStringList& names = fields.FieldNames();
    ReturnColumns columns;
    columns.members.assign(names.size(), nullptr);
    for (qsizetype i = 0; i < names.size(); ++i)
        for (const Sum& sum : sums)
            if (names[i].compare(QLatin1String(sum.Name), Qt::CaseInsensitive) == 0)
                columns.members[i] = sum.Member;
    columns.travelAgencyType = fields.IndexOf(QStringLiteral("TravelAgencyType"));
    columns.registrationType = fields.IndexOf(QStringLiteral("RegistrationType"));
    return columns;
}

enum class Funding { None, Domestic, Foreign };

// Three-digit registration codes (1xx domestic, 2xx Hong Kong/Macao/Taiwan, 3xx foreign) and
// the short group numbers some returns carry (1-9 domestic, 11-29 the invested kinds).
Funding FundingOf(int registrationType)
{
    if ((registrationType >= 1 && registrationType <= 9) ||
        (registrationType >= 100 && registrationType <= 199))
        return Funding::Domestic;
    if ((registrationType >= 11 && registrationType <= 29) ||
        (registrationType >= 200 && registrationType <= 399))
        return Funding::Foreign;
    return Funding::None;
}

void AddToTourUnitIndex(TourUnitAreaIndex& index, const Recordset& fields, const ReturnColumns& columns)
{
    const Recordset::Row row = fields.CurrentRow();
    for (std::size_t i = 0; i < columns.members.size(); ++i) {
        if (!columns.members[i] || row[i].isNull())
            continue;
        try {
            index.*columns.members[i] += Numeric::ToDouble(row[i]);
        } catch (const ConversionError& e) {
            throw InContext(e, fields, fields.FieldNames()[i]);
        }
    }
    index.TourUnitNum += 1;
}

void LoadTravelAgencyRecord(TourUnitAreaData& data, const Recordset& fields, const ReturnColumns& columns)
{
    const auto kind = KindNumber(fields, columns.travelAgencyType, false);
    if (!kind)
        return;
    if (*kind == 1)
        AddToTourUnitIndex(data.TravelAgencyDataInternational, fields, columns);
    else if (*kind == 2)
        AddToTourUnitIndex(data.TravelAgencyDataDomestic, fields, columns);
}

void LoadHotelFinanceRecord(TourUnitAreaData& data, const Recordset& fields, const ReturnColumns& columns)
{
    const auto kind = KindNumber(fields, columns.registrationType, true);
    if (!kind)
        return;
    switch (FundingOf(static_cast<int>(*kind))) {
    case Funding::Domestic:
        AddToTourUnitIndex(data.HotelDataDomestic, fields, columns);
        break;
    case Funding::Foreign:
        AddToTourUnitIndex(data.HotelDataInternational, fields, columns);
        break;
    case Funding::None:
        break;
    }
}

void LoadTravelSpotRecord(TourUnitAreaData& data, const Recordset& fields, const ReturnColumns& columns)
{
    AddToTourUnitIndex(data.TravelSpotData, fields, columns);
}

void LoadOthersCorpRecord(TourUnitAreaData& data, const Recordset& fields, const ReturnColumns& columns)
{
    AddToTourUnitIndex(data.OthersCorpData, fields, columns);
}

constexpr const char* FinanceColumns =
    "FixAssetsInitialPrice,AccumulatedDepreciation,OperationIncome,ProfitTotal,OperationTaxAddition,YearendEmployment";
constexpr const char* AreaColumns = "fixcapitalorigin,OperationIncome,ProfitTotal,OperationTaxAddition,yearendemployee";

const ReturnQuery TravelAgencyQuery{" ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice",
                                    " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation",
                                    " ,SUM(YearendEmployment) AS YearendEmployment",
                                    " ,Base01.TravelAgencyType AS TravelAgencyType", "Base04",
                                    FinanceColumns, &LoadTravelAgencyRecord};
const ReturnQuery HotelQuery{" ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice",
                             " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation",
                             " ,SUM(YearendEmployment) AS YearendEmployment",
                             " ,Base01.RegistrationType AS RegistrationType", "Base06", FinanceColumns,
                             &LoadHotelFinanceRecord};
const ReturnQuery TravelSpotQuery{" ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice",
                                  " ,SUM(0) AS AccumulatedDepreciation",
                                  " ,SUM(yearendemployee) AS YearendEmployment", "", "Base08", AreaColumns,
                                  &LoadTravelSpotRecord};
const ReturnQuery OthersCorpQuery{" ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice",
                                  " ,SUM(0) AS AccumulatedDepreciation",
                                  " ,SUM(yearendemployee) AS YearendEmployment", "", "Base09", AreaColumns,
                                  &LoadOthersCorpRecord};

const ReturnQuery* const Queries[] = {&TravelAgencyQuery, &HotelQuery, &TravelSpotQuery, &OthersCorpQuery};

} // namespace

RunResult<TourUnitAreaData> AreaSum::CalculateTourUnitRegions(const QStringList& areacodes, std::int16_t year,
                                                             const RunProgress& progress)
{
    auto run = RunResult<TourUnitAreaData>::ForRegions(areacodes);
    if (areacodes.isEmpty())
        return run;
    RegionSelection regions(areacodes);
    RegionBuckets<TourUnitAreaData> buckets(regions);
    const QString clause = regions.Clause(QStringLiteral("regionalismcode"));

    const SourceSession session(*this);
    int done = 0;
    for (const ReturnQuery* query : Queries) {
        OpenRecordset(Statement(*query, clause, year, true));
        const ReturnColumns columns = ColumnsOf(*recordset_);
        const int regionColumn = recordset_->IndexOf(QStringLiteral("regionalismcode"));
        const int textColumn = recordset_->IndexOf(QStringLiteral("TextValueFound"));
        const int total = recordset_->RecordCount();
        // Each enterprise goes once into its region code's sums.
        for (recordset_->MoveFirst(); !recordset_->IsEOF(); recordset_->MoveNext()) {
            Report(progress, done++, total);
            TourUnitAreaData* const sum = buckets.Find(recordset_->CurrentRow()[regionColumn]);
            if (!sum)
                continue;
            if (recordset_->CurrentRow()[textColumn].toInt() != 0)
                CheckTextValues(*connection_, *query, recordset_->CurrentRow()[0].toString(), year);
            query->Load(*sum, *recordset_, columns);
        }
    }
    buckets.AddTo(run, &TourUnitAreaData::AddTourUnitAreaData);
    return run;
}

QString AreaSum::TourUnitSql(const QString& table, const QString& regionClause, std::int16_t year)
{
    for (const ReturnQuery* query : Queries)
        if (table.compare(QLatin1String(query->Table), Qt::CaseInsensitive) == 0)
            return Statement(*query, regionClause, year, true);
    return QString();
}

std::shared_ptr<TourUnitAreaData> AreaSum::CalculateTourUnit(const QString& areacode, std::int16_t year)
{
    return CalculateTourUnitRegions({areacode}, year).Items.front();
}
