#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class Command;
class DbConnection;
class Recordset;
class HotelAreaData;
class HotelCondition;
class TourUnitAreaData;
class TallixAreaData;
class TallixCondition;
class RegionSelection;

// Told how far a run has come (records read, and of how many, or -1 while that is unknown);
// returns false when the user asks to stop, and the run then ends with RunCancelled.
using RunProgress = std::function<bool(int done, int total)>;

// A run stopped on the user's word; nothing of it reaches the result tables.
class RunCancelled : public std::runtime_error
{
public:
    RunCancelled() : std::runtime_error("run cancelled") {}
};

// The aggregates of one run: one per selected region (or enterprise) in the order given, and
// the total, which counts every enterprise (and every return) once however many of the
// selected regions contain it.
template <typename T> struct RunResult
{
    std::vector<std::shared_ptr<T>> Items;
    std::shared_ptr<T> Total;

    // Empty aggregates: one per region code, in order, and the total.
    static RunResult ForRegions(const QStringList& areacodes)
    {
        RunResult run;
        run.Total = std::make_shared<T>();
        for (const QString& code : areacodes) {
            auto region = std::make_shared<T>();
            region->areacode = code;
            run.Items.push_back(std::move(region));
        }
        return run;
    }
};

// The summation engine of the three analyses. A run reads the source once, whatever the
// number of regions: one statement over the enterprises of all selected regions (per kind of
// return), each record handed to every region that contains it and once to the total. The
// one-region calls are runs of a single region. Each run opens its own read-only source
// connection and closes it again.
class AreaSum
{
public:
    AreaSum();
    ~AreaSum();
    AreaSum(const AreaSum&) = delete;
    AreaSum& operator=(const AreaSum&) = delete;

    RunResult<HotelAreaData> CalculateHotelRegions(const QStringList& areacodes, const HotelCondition& condition,
                                                   const RunProgress& progress = {});
    RunResult<TourUnitAreaData> CalculateTourUnitRegions(const QStringList& areacodes, std::int16_t year,
                                                         const RunProgress& progress = {});
    // By region (isArea) or by enterprise; the condition's year is lowered for the previous
    // year of the comparison modes and put back before the call returns.
    RunResult<TallixAreaData> CalculateTallixRows(const QStringList& codes, TallixCondition& condition, bool isArea,
                                                  const RunProgress& progress = {});

    std::shared_ptr<HotelAreaData> CalculateHotel(const QString& areacode, const HotelCondition& condition);
    std::shared_ptr<TourUnitAreaData> CalculateTourUnit(const QString& areacode, std::int16_t year);
    std::shared_ptr<TallixAreaData> CalculateTallix(const QString& code, TallixCondition& condition, bool isArea);

    // The statement of a hotel run: the hotel query with the given region test (none: every
    // enterprise) and the condition's fragments, selecting the given columns.
    static QString HotelSql(const QString& regionClause, const HotelCondition& condition,
                            const QString& columns = QStringLiteral("*"));
    // The statement of an annual run over one return table ("Base04", "Base06", "Base08",
    // "Base09"): the year's sums per region code and category, and the number of enterprises.
    static QString TourUnitSql(const QString& table, const QString& regionClause, std::int16_t year);

private:
    // The source connection of one pass: opened on construction, closed on every way out,
    // an error included.
    class SourceSession
    {
    public:
        explicit SourceSession(AreaSum& sum) : sum_(sum) { sum_.OpenSourceConnection(); }
        ~SourceSession() { sum_.CloseSourceConnection(); }
        SourceSession(const SourceSession&) = delete;
        SourceSession& operator=(const SourceSession&) = delete;

    private:
        AreaSum& sum_;
    };

    void OpenSourceConnection();
    void CloseSourceConnection();
    // Runs a statement on the source connection into the engine's recordset.
    void OpenRecordset(const QString& sql);
    // Asks the progress every so many records; throws RunCancelled when told to stop.
    static void Report(const RunProgress& progress, int done, int total);

    // ledger pass: the rows of one year, summed into the run's rows and total
    void MergeCompareValues(TallixAreaData& current, const TallixAreaData& previous);
    void LoadTallixYear(const QStringList& codes, TallixCondition& condition, bool isArea,
                        RunResult<TallixAreaData>& run, const RunProgress& progress);
    void AccumulateTallixRow(TallixAreaData& row, const Recordset& fields, int firstField);

    std::unique_ptr<DbConnection> connection_;
    std::unique_ptr<Command> command_;
    std::unique_ptr<Recordset> recordset_;
};
