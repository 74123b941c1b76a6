#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class BenchPlan;
class DbConnection;

// The fastest the engine could possibly be on the same data: for each analysis one single
// statement that computes the same sums for every region of the plan in one scan of the
// returns (grouped by prefecture, the provinces rolled up from the prefectures), with the
// period as a plain date range that the engine's indexes serve directly.
class LowerBound
{
public:
    // Region code (or enterprise code) -> the figures both sides are compared on.
    using Figures = QMap<QString, QVector<double>>;

    // Hotel report, per region: hotels, rooms, room income, operating income, then every
    // other sum of the region aggregate.
    static QString HotelSql(const BenchPlan& plan);
    // Annual report, per region: enterprises and operating income of each of the six
    // categories (international and domestic agencies, domestic and foreign-funded hotels,
    // scenic areas, other enterprises), then the other sums.
    static QString AnnualSql(const BenchPlan& plan);
    // Ledger by region, cumulative comparison: the eight columns of the year to date, then
    // the same eight of the previous year.
    static QString LedgerRegionSql(const BenchPlan& plan);
    // Ledger by enterprise, current period: the eight columns of each enterprise of the plan.
    static QString LedgerEnterpriseSql(const BenchPlan& plan);

    static constexpr int HotelChecked = 4;
    static constexpr int AnnualChecked = 12;
    static constexpr int LedgerRegionChecked = 16;
    static constexpr int LedgerEnterpriseChecked = 8;

    // Runs a statement on an open connection: its first column, padded to a six-digit region
    // code where it is a prefix, keys the next `checked` columns. The annual statement's rows
    // (one per region and category) are gathered into one entry per region.
    static Figures Run(DbConnection& connection, const QString& sql, int checked);
    static Figures RunAnnual(DbConnection& connection, const QString& sql);

    // Differences beyond rounding, one line each; empty when both sides agree.
    static QStringList Compare(const Figures& expected, const Figures& actual);
};
