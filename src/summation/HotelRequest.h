#pragma once

#include "AreaSum.h"
#include "HotelCondition.h"

#include <QStringList>

class HotelReport;

// One hotel run as the window's boxes or the command's options give it: the period and the
// conditions, and the regions in the order listed.
struct HotelRequest
{
    HotelCondition Condition;
    QStringList Regions;

    // Computes and saves the report (see RunAndSave); false when cancelled.
    bool Run(AreaSum& engine, HotelReport& report, const RunProgress& progress = {}) const;
    // What the clerk is told beside "计算完成" about a sheet that may be empty.
    QStringList Notices() const;
};
