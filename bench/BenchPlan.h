#pragma once

#include "TallixIndex.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class TallixCondition;

// What every measured run computes: the period, the regions, the enterprises and the ledger's
// columns. The engine's runs and the lower-bound statements read the same plan.
class BenchPlan
{
public:
    std::int16_t Year = 2025;
    std::int16_t Month = 12;
    // Every province and prefecture-level region of the source Area table, in code order.
    QStringList Regions;
    // Every region of the Area table, counties included, in code order.
    QStringList AllRegions;
    // Tourism hotels spread over the whole country, for the ledger by enterprise.
    QStringList Enterprises;

    struct Column
    {
        const char* Table;
        const char* Field;
    };
    // Eight ledger columns from the monthly and the financial hotel returns.
    static const Column LedgerColumns[8];
    static constexpr int EnterpriseCount = 2000;
    // Whether the source has the (code, TableDate) indexes the lower bounds walk by name; a
    // copy with plain indexes only has not.
    bool CodeDateIndexes = true;

    // Reads the regions and enterprises from the source database of the application folder.
    static BenchPlan Load();

    // The ledger condition of accommodation (both sub-boxes ticked) in the given mode.
    void FillLedgerCondition(TallixCondition& condition, std::int16_t tableStyle) const;
    static TallixIndexList LedgerIndexs();
};
