#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Writes a source database of invented but plausible returns: the region table, the
// enterprise register, monthly hotel operations, yearly returns of every kind and the ledger's
// item dictionaries. The same configuration always gives the same rows, on any platform.
class SampleGenerator
{
public:
    struct County
    {
        QString Code;
        QString Name;
    };
    struct Prefecture
    {
        QString Code;
        QString Name;
        std::vector<County> Counties;
    };
    struct Province
    {
        QString Code;
        QString Name;
        std::vector<Prefecture> Prefectures;
    };

    struct Config
    {
        std::vector<Province> Provinces;
        int FirstYear = 2024;
        int YearCount = 2; // whole years of returns, ending with the latest
        std::uint32_t Seed = 20251231;
        // Enterprises of each kind in the whole sample. Every prefecture gets its share (the
        // first prefecture of a province, the capital, a double one) and never fewer than the
        // few that make each of its reports non-empty.
        int Hotels = 260;            // "B1"
        int OtherAccommodation = 70; // "B2", "B3", "B4", "B9"
        int TravelAgencies = 100;    // "A"
        int ScenicAreas = 60;        // "C"
        int OtherEnterprises = 60;   // "E", "F"
    };

    struct TableCount
    {
        QString Table;
        long long Rows = 0;
    };

    // Hunan province with its fourteen prefectures and all their counties, 2024 and 2025.
    static Config Hunan();

    explicit SampleGenerator(Config config);

    // Creates the database at path (replacing any file there) and fills it in one transaction.
    // Throws DatabaseError when a statement fails; nothing stays open afterwards.
    void Write(const QString& path);

    // Rows written per table by the last Write, in the order the tables were filled.
    const std::vector<TableCount>& RowCounts() const { return counts_; }

private:
    Config config_;
    std::vector<TableCount> counts_;
};
