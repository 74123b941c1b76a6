#include "LowerBound.h"

#include "BenchPlan.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "SqlText.h"

#include <algorithm>
#include <cmath>

namespace {

// Every sum of a hotel region aggregate beyond the four checked ones; each name stands in
// exactly one of base01, base05 and base06.
constexpr const char* kHotelSums[] = {"Beds",
                                      "RealRoomDay",
                                      "CheckRoomDay",
                                      "OperationTaxAddition",
                                      "FixAssetsInitialPrice",
                                      "RestaurantIncome",
                                      "OtherIncome",
                                      "InTourist",
                                      "InTouristDay",
                                      "TWer",
                                      "TWerDay",
                                      "Macaoer",
                                      "MacaoerDay",
                                      "HKer",
                                      "HkerDay",
                                      "ForeignDay",
                                      "Japan",
                                      "Korea",
                                      "Mongolia",
                                      "Indonesia",
                                      "Malaysia",
                                      "Philippines",
                                      "Singapore",
                                      "Thailand",
                                      "India",
                                      "Vietnam",
                                      "Burma",
                                      "NKorea",
                                      "Pakistan",
                                      "OAs",
                                      "Britain",
                                      "France",
                                      "Germany",
                                      "Italy",
                                      "Swiss",
                                      "Sweden",
                                      "Russia",
                                      "Spain",
                                      "OEu",
                                      "USA",
                                      "Canada",
                                      "OAm",
                                      "Australia",
                                      "NewZealand",
                                      "OO",
                                      "Africa",
                                      "Other",
                                      "ProfitTotal",
                                      "YearendEmployment"};

QString Day(int year, int month, int day)
{
    return QStringLiteral("'%1-%2-%3'")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

// "<column> BETWEEN '<first day>' AND '<last day>'" of months from..to of one year; ISO dates
// compare as text, so the 31st closes every month.
QString Months(const QString& column, int year, int from, int to)
{
    return column + QStringLiteral(" BETWEEN ") + Day(year, from, 1) + QStringLiteral(" AND ") +
           Day(year, to, 31);
}

// The per-region statement over a grouped CTE "pref" whose first column is the prefecture
// prefix: its rows, then the provinces summed from them.
QString WithProvinces(const QString& pref, const QStringList& columns)
{
    QStringList sums;
    for (const QString& c : columns)
        sums << QStringLiteral("SUM(") + c + QStringLiteral(") AS ") + c;
    return QStringLiteral("WITH pref AS (") + pref + QStringLiteral(") SELECT region, ") + columns.join(',') +
           QStringLiteral(" FROM pref UNION ALL SELECT substr(region,1,2), ") + sums.join(',') +
           QStringLiteral(" FROM pref GROUP BY 1");
}

QString RegionCodeOf(const QString& key)
{
    const QString trimmed = key.trimmed();
    if (trimmed.size() == 2 || trimmed.size() == 4)
        return trimmed.leftJustified(6, QLatin1Char('0'));
    return trimmed;
}

bool Close(double a, double b)
{
    return std::fabs(a - b) <= 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// One ledger return table summed per enterprise: for each plan column of the table a
// current ("n<i>") and, when `previous` is set, a previous-year ("o<i>") sum.
QString LedgerTableSums(const BenchPlan& plan, const QString& table, bool cumulative, bool previous)
{
    const int from = cumulative ? 1 : plan.Month;
    QString sums;
    for (int i = 0; i < 8; ++i) {
        if (table != QLatin1String(BenchPlan::LedgerColumns[i].Table))
            continue;
        const QString field = QString::fromLatin1(BenchPlan::LedgerColumns[i].Field);
        if (!previous) {
            sums += QStringLiteral(", SUM(%1) AS n%2").arg(field).arg(i);
            continue;
        }
        sums += QStringLiteral(", SUM(CASE WHEN TableDate >= %1 THEN %2 END) AS n%3")
                    .arg(Day(plan.Year, 1, 1), field)
                    .arg(i);
        sums += QStringLiteral(", SUM(CASE WHEN TableDate < %1 THEN %2 END) AS o%3")
                    .arg(Day(plan.Year, 1, 1), field)
                    .arg(i);
    }
    QString period = Months(QStringLiteral("TableDate"), plan.Year, from, plan.Month);
    if (previous)
        period = QStringLiteral("(") + period + QStringLiteral(" OR ") +
                 Months(QStringLiteral("TableDate"), plan.Year - 1, from, plan.Month) + QStringLiteral(")");
    // Two years of monthly returns are best summed walking the code index, which needs no sort;
    // one month is best found by its dates.
    const QString walk = previous && plan.CodeDateIndexes
                             ? QStringLiteral(" INDEXED BY ") + table + QStringLiteral("_code_TableDate")
                             : QString();
    return QStringLiteral("(SELECT code") + sums + QStringLiteral(" FROM ") + table + walk +
           QStringLiteral(" WHERE ") + period + QStringLiteral(" GROUP BY code) AS ") + table;
}

QString LedgerJoins(const BenchPlan& plan, bool cumulative, bool previous)
{
    QString joins;
    for (const char* table : {"Base05", "Base06"})
        joins += QStringLiteral(" LEFT JOIN ") +
                 LedgerTableSums(plan, QString::fromLatin1(table), cumulative, previous) +
                 QStringLiteral(" ON ") + QLatin1String(table) + QStringLiteral(".code=Base01.code");
    return joins;
}

} // namespace

QString LowerBound::HotelSql(const BenchPlan& plan)
{
    QStringList columns{QStringLiteral("HotelNum"), QStringLiteral("Rooms"), QStringLiteral("RoomIncome"),
                        QStringLiteral("OperationIncome")};
    QString sums = QStringLiteral("COUNT(*) AS HotelNum, SUM(Rooms) AS Rooms, SUM(RoomIncome) AS RoomIncome, "
                                  "SUM(OperationIncome) AS OperationIncome");
    for (const char* name : kHotelSums) {
        columns << QString::fromLatin1(name);
        sums += QStringLiteral(", SUM(%1) AS %1").arg(QLatin1String(name));
    }
    const QString pref =
        QStringLiteral("SELECT substr(base01.regionalismcode,1,4) AS region, ") + sums +
        QStringLiteral(" FROM base05 INNER JOIN base01 ON base01.code=base05.code"
                       " LEFT JOIN base06 ON base06.code=base05.code AND ") +
        Months(QStringLiteral("base06.TableDate"), plan.Year, plan.Month, plan.Month) +
        QStringLiteral(" WHERE ") +
        Months(QStringLiteral("base05.TableDate"), plan.Year, plan.Month, plan.Month) +
        // The hotel window's initial state: every registration type, star and category ticked.
        QStringLiteral(" AND base01.RegistrationType IN ('110','120','130','140','150','160','170','190',"
                       "'210','220','230','240','310','320','330','340')"
                       " AND base01.AccommodationStar IN ('0','1','2','3','4','5')"
                       " AND (base01.code LIKE 'B1%' OR base01.code LIKE 'B2%' OR base01.code LIKE 'B3%'"
                       " OR base01.code LIKE 'B4%' OR base01.code LIKE 'B9%')"
                       " GROUP BY 1");
    return WithProvinces(pref, columns);
}

QString LowerBound::AnnualSql(const BenchPlan& plan)
{
    const QString year = Months(QStringLiteral("x.TableDate"), plan.Year, 1, 12);
    const QString reg = QStringLiteral("CAST(trim(b.RegistrationType) AS INTEGER)");
    const QString funding = QStringLiteral("CASE WHEN %1 BETWEEN 1 AND 9 OR %1 BETWEEN 100 AND 199 THEN 3"
                                           " WHEN %1 BETWEEN 11 AND 29 OR %1 BETWEEN 200 AND 399 THEN 4 END")
                                .arg(reg);
    const auto part = [&](const QString& category, const char* table, const char* assets,
                          const char* depreciation, const char* employment) {
        return QStringLiteral("SELECT substr(b.regionalismcode,1,4) AS region, ") + category +
               QStringLiteral(" AS cat, x.code AS code, x.%1 AS f, %2 AS d, x.OperationIncome AS i,"
                              " x.ProfitTotal AS p, x.OperationTaxAddition AS t, x.%3 AS e FROM %4 x"
                              " INNER JOIN Base01 b ON b.code=x.code WHERE ")
                   .arg(QLatin1String(assets), QLatin1String(depreciation), QLatin1String(employment),
                        QLatin1String(table)) +
               year;
    };
    const QString returns =
        part(QStringLiteral("CASE trim(b.TravelAgencyType) WHEN '1' THEN 1 WHEN '2' THEN 2 END"), "Base04",
             "FixAssetsInitialPrice", "x.AccumulatedDepreciation", "YearendEmployment") +
        QStringLiteral(" UNION ALL ") +
        part(funding, "Base06", "FixAssetsInitialPrice", "x.AccumulatedDepreciation", "YearendEmployment") +
        QStringLiteral(" UNION ALL ") +
        part(QStringLiteral("5"), "Base08", "fixcapitalorigin", "0", "yearendemployee") +
        QStringLiteral(" UNION ALL ") +
        part(QStringLiteral("6"), "Base09", "fixcapitalorigin", "0", "yearendemployee");
    return QStringLiteral("WITH r AS (") + returns +
           QStringLiteral(
               "), pref AS (SELECT region, cat, COUNT(DISTINCT code) AS n, SUM(i) AS i, SUM(f) AS f,"
               " SUM(d) AS d, SUM(p) AS p, SUM(t) AS t, SUM(e) AS e FROM r WHERE cat IS NOT NULL"
               " GROUP BY region, cat)"
               " SELECT region, cat, n, i, f, d, p, t, e FROM pref UNION ALL"
               " SELECT substr(region,1,2), cat, SUM(n), SUM(i), SUM(f), SUM(d), SUM(p), SUM(t), SUM(e)"
               " FROM pref GROUP BY 1, 2");
}

QString LowerBound::LedgerRegionSql(const BenchPlan& plan)
{
    QStringList columns;
    QString sums;
    for (const char* kind : {"n", "o"})
        for (int i = 0; i < 8; ++i) {
            const QString name = QLatin1String(kind) + QString::number(i);
            columns << name;
            sums += QStringLiteral(", SUM(%1.%2) AS %2")
                        .arg(QLatin1String(BenchPlan::LedgerColumns[i].Table), name);
        }
    const QString pref = QStringLiteral("SELECT substr(Base01.regionalismcode,1,4) AS region") + sums +
                         QStringLiteral(" FROM Base01") + LedgerJoins(plan, true, true) +
                         QStringLiteral(" WHERE Base01.code LIKE 'B%' GROUP BY 1");
    return WithProvinces(pref, columns);
}

QString LowerBound::LedgerEnterpriseSql(const BenchPlan& plan)
{
    QString columns;
    for (int i = 0; i < 8; ++i)
        columns += QStringLiteral(", %1.n%2").arg(QLatin1String(BenchPlan::LedgerColumns[i].Table)).arg(i);
    QStringList codes;
    for (const QString& code : plan.Enterprises)
        codes << SqlText::Quoted(code);
    return QStringLiteral("SELECT Base01.code") + columns + QStringLiteral(" FROM Base01") +
           LedgerJoins(plan, false, false) + QStringLiteral(" WHERE Base01.code IN (") + codes.join(',') +
           QStringLiteral(") AND Base01.code LIKE 'B%'");
}

LowerBound::Figures LowerBound::Run(DbConnection& connection, const QString& sql, int checked)
{
    Recordset rs;
    rs.Open(sql, connection);
    Figures figures;
    if (rs.RecordCount() == 0)
        return figures;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        QVector<double> values;
        for (int i = 1; i <= checked; ++i)
            values << rs.Value(i).toDouble();
        figures.insert(RegionCodeOf(rs.Value(0).toString()), values);
    }
    return figures;
}

LowerBound::Figures LowerBound::RunAnnual(DbConnection& connection, const QString& sql)
{
    Recordset rs;
    rs.Open(sql, connection);
    Figures figures;
    if (rs.RecordCount() == 0)
        return figures;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        QVector<double>& values = figures[RegionCodeOf(rs.Value(0).toString())];
        values.resize(AnnualChecked);
        const int category = rs.Value(1).toInt();
        values[2 * (category - 1)] = rs.Value(2).toDouble();
        values[2 * (category - 1) + 1] = rs.Value(3).toDouble();
    }
    return figures;
}

QStringList LowerBound::Compare(const Figures& expected, const Figures& actual)
{
    // A region without returns has no row in a grouped statement: all its figures are 0.
    QStringList keys = expected.keys() + actual.keys();
    keys.removeDuplicates();
    keys.sort();
    QStringList differences;
    for (const QString& key : keys) {
        QVector<double> left = expected.value(key);
        QVector<double> right = actual.value(key);
        const qsizetype size = std::max(left.size(), right.size());
        left.resize(size);
        right.resize(size);
        for (qsizetype i = 0; i < size; ++i)
            if (!Close(left[i], right[i]))
                differences << QStringLiteral("%1 figure %2: %3 against %4")
                                   .arg(key)
                                   .arg(i)
                                   .arg(left[i], 0, 'g', 12)
                                   .arg(right[i], 0, 'g', 12);
    }
    return differences;
}
