#pragma once

#include "AreaSum.h"

#include <QStringList>
#include <cstdint>

class TourUnitReport;

// One annual run: the year and the regions in the order listed.
struct TourUnitRequest
{
    std::int16_t Year = 0;
    QStringList Regions;

    // Computes and saves the report (see RunAndSave); false when cancelled.
    bool Run(AreaSum& engine, TourUnitReport& report, const RunProgress& progress = {}) const;
    // What the clerk is told beside "计算完成" about a sheet that may be empty.
    QStringList Notices() const;
};
