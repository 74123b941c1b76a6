// The TourUnit pass of AreaSum.
#include "AreaSum.h"

#include "ConversionError.h"
#include "Numeric.h"
#include "Recordset.h"
#include "RegionBuckets.h"
#include "RegionSelection.h"
#include "SourcePeriod.h"
#include "SqlValue.h"
#include "TourUnitAreaData.h"

#include <vector>

namespace {

// The pieces in which the four yearly statements differ.
struct ReturnQuery
{
    const char* FixAssets;
    const char* Depreciation;
    const char* Employment;
    const char* Table;
    const char* Summed; // the return's columns the sums read, for the test of text values
    const char* Kind;   // the register column that decides the category, or nullptr
    bool WholeKind;     // the category column is read as a whole number
    // The category number of an enterprise: an SQL expression over Base01, NULL for none.
    QString (*Category)();
    // Where each category number (1, 2) goes.
    TourUnitAreaIndex TourUnitAreaData::*Categories[2];
};

// The tests that find a value SUM would quietly take as 0 (text such as 'n/a'), one for each
// summed column of the return.
QStringList TextTests(const ReturnQuery& q)
{
    QStringList tests;
    for (const QString& column : QString::fromLatin1(q.Summed).split(QLatin1Char(',')))
        tests << QStringLiteral("typeof(") + QLatin1String(q.Table) + QLatin1Char('.') + column +
                     QStringLiteral(") NOT IN ('integer','real','null')");
    return tests;
}

// The joined returns of the year with a region test in place of the one region's
// "regionalismcode like '<prefix>%'" (none: every enterprise).
QString FromReturns(const ReturnQuery& q, const QString& regionClause, std::int16_t year)
{
    const QString table = QLatin1String(q.Table);
    QString sql = QStringLiteral(" FROM Base01 ") + QStringLiteral(" INNER JOIN ") + table + QStringLiteral(" ON ") +
                  table + QStringLiteral(".code=Base01.code ") + QStringLiteral(" WHERE ");
    if (!regionClause.isEmpty())
        sql += regionClause + QStringLiteral(" AND ");
    return sql + QStringLiteral("YEAR(") + table + QStringLiteral(".TableDate)=") + QString::number(year) +
           QStringLiteral(" AND ") + SourcePeriod::Range(table + QStringLiteral(".TableDate"), year);
}

// The yearly statement of one kind of return: its sums per region code and category inside
// the engine, each enterprise counted once, and whether a group holds text among its values.
QString Statement(const ReturnQuery& q, const QString& regionClause, std::int16_t year)
{
    // Region codes are kept apart exactly as written: the regions match them as LIKE does.
    return QStringLiteral("SELECT Base01.regionalismcode AS regionalismcode ,") + q.Category() +
           QStringLiteral(" AS Category ,COUNT(DISTINCT Base01.code) AS TourUnitNum") + QLatin1String(q.FixAssets) +
           QLatin1String(q.Depreciation) + QStringLiteral(" ,SUM(OperationIncome) AS OperationIncome") +
           QStringLiteral(" ,SUM(ProfitTotal) AS ProfitTotal") +
           QStringLiteral(" ,SUM(OperationTaxAddition) AS OperationTaxAddition") + QLatin1String(q.Employment) +
           QStringLiteral(" ,MAX(") + TextTests(q).join(QStringLiteral(" OR ")) +
           QStringLiteral(") AS TextValueFound") + FromReturns(q, regionClause, year) +
           QStringLiteral(" GROUP BY Base01.regionalismcode COLLATE BINARY, Category");
}

// The returns whose summed values hold text and the enterprises whose category column holds
// something that is no number: what the sums statement flagged, found one by one.
QString CheckStatement(const ReturnQuery& q, const QString& regionClause, std::int16_t year)
{
    const QString table = QLatin1String(q.Table);
    QStringList columns;
    for (const QString& column : QString::fromLatin1(q.Summed).split(QLatin1Char(',')))
        columns << table + QLatin1Char('.') + column;
    QStringList tests = TextTests(q);
    if (q.Kind) {
        const QString kind = QStringLiteral("Base01.") + QLatin1String(q.Kind);
        columns << kind;
        tests << QStringLiteral("(trim(%1) <> '' AND %2(%1) IS NULL)")
                     .arg(kind, q.WholeKind ? QStringLiteral("TOINT32") : QStringLiteral("TONUMBER"));
    }
    return QStringLiteral("SELECT Base01.code ,Base01.regionalismcode ,") + columns.join(QStringLiteral(" ,")) +
           FromReturns(q, regionClause, year) + QStringLiteral(" AND (") + tests.join(QStringLiteral(" OR ")) +
           QLatin1Char(')');
}

// Every value the check statement found, of an enterprise of a selected region, must read as
// the number the report takes it for, or the run stops naming where it stands.
void CheckValues(Recordset& found, const ReturnQuery& q, RegionSelection& regions)
{
    const QStringList summed = QString::fromLatin1(q.Summed).split(QLatin1Char(','));
    for (found.MoveFirst(); !found.IsEOF(); found.MoveNext()) {
        const Recordset::Row row = found.CurrentRow();
        if (regions.Matching(row[1]).empty())
            continue;
        const QString code = row[0].toString().trimmed();
        for (int i = 0; i < summed.size(); ++i) {
            if (row[2 + i].type() != SqlValue::Type::Text && row[2 + i].type() != SqlValue::Type::Blob)
                continue;
            try {
                Numeric::ToDouble(row[2 + i]);
            } catch (const ConversionError& e) {
                throw e.WithContext(QStringLiteral("表 ") + QLatin1String(q.Table) + QStringLiteral("，企业 ") + code +
                                    QStringLiteral("，字段 ") + summed[i]);
            }
        }
        const SqlValue& kind = row[2 + summed.size()];
        if (!q.Kind || kind.isNull() || kind.toString().trimmed().isEmpty())
            continue; // a column of blanks is as empty as NULL
        try {
            q.WholeKind ? Numeric::ToInt32(kind) : Numeric::ToDouble(kind);
        } catch (const ConversionError& e) {
            throw e.WithContext(QStringLiteral("企业 ") + code + QStringLiteral("，字段 ") + QLatin1String(q.Kind));
        }
    }
}

// The index member each column of the sums statement adds to (null for the others).
std::vector<double TourUnitAreaIndex::*> SummedColumns(const Recordset& fields)
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
        {"TourUnitNum", &TourUnitAreaIndex::TourUnitNum},
    };
    const QStringList& names = fields.FieldNames();
    std::vector<double TourUnitAreaIndex::*> members(names.size(), nullptr);
    for (qsizetype i = 0; i < names.size(); ++i)
        for (const Sum& sum : sums)
            if (names[i].compare(QLatin1String(sum.Name), Qt::CaseInsensitive) == 0)
                members[i] = sum.Member;
    return members;
}

// Adds one region code's sums of a category into the index, the number of its enterprises
// included.
void AddToTourUnitIndex(TourUnitAreaIndex& index, const Recordset::Row& row,
                        const std::vector<double TourUnitAreaIndex::*>& members)
{
    for (std::size_t i = 0; i < members.size(); ++i)
        if (members[i] && !row[i].isNull())
            index.*members[i] += Numeric::ToDouble(row[i]);
}

// A category column that holds something that is no number gives -1: the run looks at it.
QString RefusedKind(const QString& number, const char* column)
{
    return QStringLiteral(" WHEN %1 IS NULL AND trim(Base01.%2) <> '' THEN -1").arg(number, QLatin1String(column));
}

// Travel agencies: TravelAgencyType 1 international, 2 domestic, anything else nowhere.
QString AgencyCategory()
{
    const QString number = QStringLiteral("TONUMBER(Base01.TravelAgencyType)");
    return QStringLiteral("CASE WHEN %1 = 1 THEN 1 WHEN %1 = 2 THEN 2").arg(number) +
           RefusedKind(number, "TravelAgencyType") + QStringLiteral(" END");
}

// Hotels by the registration type taken as a whole number: three-digit codes (1xx domestic,
// 2xx Hong Kong/Macao/Taiwan, 3xx foreign) and the short group numbers some returns carry
// (1-9 domestic, 11-29 the invested kinds); 1 domestic-funded, 2 foreign-funded.
QString FundingCategory()
{
    const QString number = QStringLiteral("TOINT32(Base01.RegistrationType)");
    return QStringLiteral("CASE WHEN %1 BETWEEN 1 AND 9 OR %1 BETWEEN 100 AND 199 THEN 1"
                          " WHEN %1 BETWEEN 11 AND 29 OR %1 BETWEEN 200 AND 399 THEN 2")
               .arg(number) +
           RefusedKind(number, "RegistrationType") + QStringLiteral(" END");
}

QString SingleCategory()
{
    return QStringLiteral("1");
}

constexpr const char* FinanceColumns =
    "FixAssetsInitialPrice,AccumulatedDepreciation,OperationIncome,ProfitTotal,OperationTaxAddition,YearendEmployment";
constexpr const char* AreaColumns = "fixcapitalorigin,OperationIncome,ProfitTotal,OperationTaxAddition,yearendemployee";

using D = TourUnitAreaData;
const ReturnQuery TravelAgencyQuery{" ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice",
                                    " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation",
                                    " ,SUM(YearendEmployment) AS YearendEmployment",
                                    "Base04",
                                    FinanceColumns,
                                    "TravelAgencyType",
                                    false,
                                    &AgencyCategory,
                                    {&D::TravelAgencyDataInternational, &D::TravelAgencyDataDomestic}};
const ReturnQuery HotelQuery{" ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice",
                             " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation",
                             " ,SUM(YearendEmployment) AS YearendEmployment",
                             "Base06",
                             FinanceColumns,
                             "RegistrationType",
                             true,
                             &FundingCategory,
                             {&D::HotelDataDomestic, &D::HotelDataInternational}};
const ReturnQuery TravelSpotQuery{" ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice",
                                  " ,SUM(0) AS AccumulatedDepreciation",
                                  " ,SUM(yearendemployee) AS YearendEmployment",
                                  "Base08",
                                  AreaColumns,
                                  nullptr,
                                  false,
                                  &SingleCategory,
                                  {&D::TravelSpotData, nullptr}};
const ReturnQuery OthersCorpQuery{" ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice",
                                  " ,SUM(0) AS AccumulatedDepreciation",
                                  " ,SUM(yearendemployee) AS YearendEmployment",
                                  "Base09",
                                  AreaColumns,
                                  nullptr,
                                  false,
                                  &SingleCategory,
                                  {&D::OthersCorpData, nullptr}};

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
        OpenRecordset(Statement(*query, clause, year));
        const auto members = SummedColumns(*recordset_);
        const int regionColumn = recordset_->IndexOf(QStringLiteral("regionalismcode"));
        const int categoryColumn = recordset_->IndexOf(QStringLiteral("Category"));
        const int textColumn = recordset_->IndexOf(QStringLiteral("TextValueFound"));
        const int total = recordset_->RecordCount();
        bool check = false;
        for (recordset_->MoveFirst(); !recordset_->IsEOF(); recordset_->MoveNext()) {
            Report(progress, done++, total);
            const Recordset::Row row = recordset_->CurrentRow();
            TourUnitAreaData* const sum = buckets.Find(row[regionColumn]);
            if (!sum)
                continue;
            const std::int64_t category = row[categoryColumn].isNull() ? 0 : row[categoryColumn].toLongLong();
            check = check || category == -1 || row[textColumn].toLongLong() != 0;
            if (category >= 1 && category <= 2 && query->Categories[category - 1])
                AddToTourUnitIndex(sum->*query->Categories[category - 1], row, members);
        }
        // Text that reads as a number was summed as one; any other stops the run here.
        if (check) {
            OpenRecordset(CheckStatement(*query, clause, year));
            CheckValues(*recordset_, *query, regions);
        }
    }
    buckets.AddTo(run, &TourUnitAreaData::AddTourUnitAreaData);
    return run;
}

QString AreaSum::TourUnitSql(const QString& table, const QString& regionClause, std::int16_t year)
{
    for (const ReturnQuery* query : Queries)
        if (table.compare(QLatin1String(query->Table), Qt::CaseInsensitive) == 0)
            return Statement(*query, regionClause, year);
    return QString();
}

std::shared_ptr<TourUnitAreaData> AreaSum::CalculateTourUnit(const QString& areacode, std::int16_t year)
{
    return CalculateTourUnitRegions({areacode}, year).Items.front();
}
