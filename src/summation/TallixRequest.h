#pragma once

#include "AreaSum.h"
#include "TallixCondition.h"

#include <QStringList>

class TallixReport;

// One ledger run: the period, unit type, mode and item columns, and the regions or the
// enterprises in the order listed.
struct TallixRequest
{
    TallixCondition Condition;
    QStringList Codes;
    bool IsArea = true;
    QStringList Captions; // of the item columns
    bool HasRows = true;  // false when neither regions nor enterprises are chosen: totals only

    // Computes and saves the ledger (see RunAndSave); false when cancelled.
    bool Run(AreaSum& engine, TallixReport& report, const RunProgress& progress = {});
    // What the clerk is told beside "计算完成！" about a sheet that may be empty.
    QStringList Notices() const;
};
