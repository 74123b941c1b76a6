#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class Command;
class DbConnection;
class Recordset;
class HotelAreaComplex;
class HotelAreaData;
class HotelCondition;
class TourUnitAreaData;
class TourUnitAreaIndex;
class TallixAreaData;
class TallixCondition;

// The summation engine of the three analyses: for one region (or, in the ledger, one
// enterprise) it runs one query against the source database and sums the records into a
// fresh aggregate. Each pass opens its own read-only source connection and closes it again.
class AreaSum
{
public:
    AreaSum();
    ~AreaSum();
    AreaSum(const AreaSum&) = delete;
    AreaSum& operator=(const AreaSum&) = delete;

    std::shared_ptr<HotelAreaData> CalculateHotel(const QString& areacode, const HotelCondition& condition);
    std::shared_ptr<TourUnitAreaData> CalculateTourUnit(const QString& areacode, std::int16_t year);
    std::shared_ptr<TallixAreaData> CalculateTallix(const QString& code, TallixCondition& condition, bool isArea);

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

    // hotel pass
    void LoadHotelRecord(HotelAreaData& record, const Recordset& fields);
    void AddToRegTypeGroup(HotelAreaData& record, std::int16_t code, const Recordset& fields);
    void AddToStarGroup(HotelAreaData& record, std::int16_t star, const Recordset& fields);
    void AddToRoomsGroup(HotelAreaData& record, std::int16_t rooms, const Recordset& fields);
    void AddToGroup(HotelAreaComplex& group, const Recordset& fields);

    // annual pass
    void LoadTravelAgencyRecord(TourUnitAreaData& data, const Recordset& fields);
    void LoadHotelFinanceRecord(TourUnitAreaData& data, const Recordset& fields);
    void AddToTourUnitIndex(TourUnitAreaIndex& index, const Recordset& fields);

    // ledger pass
    void MergeCompareValues(TallixAreaData& current, const TallixAreaData& previous);
    std::shared_ptr<TallixAreaData> LoadTallixAreaData(const QString& code, TallixCondition& condition, bool isArea);
    void AccumulateTallixRow(TallixAreaData& row, const Recordset& fields);

    std::unique_ptr<DbConnection> connection_;
    std::unique_ptr<Command> command_;
    std::unique_ptr<Recordset> recordset_;
};
