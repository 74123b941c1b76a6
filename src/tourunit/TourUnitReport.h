#pragma once

#include "ReportCollection.h"

#include <QString>
#include <memory>

class TourUnitAreaData;
class TourUnitAreaIndex;

// The annual report of one run: the regions in the order they were added, their total,
// and the writing of all thirteen annual tables.
class TourUnitReport : public ReportCollection<TourUnitAreaData>
{
public:
    // A fresh region with an empty code holding the sums of every region.
    std::unique_ptr<TourUnitAreaData> Total() const;

    // Replaces the result tables in one transaction: table 2-1-1 for the total, then the total's
    // and each region's row of the other twelve tables. A failure keeps the previous report.
    void Save() const;

private:
    void SaveT211(const TourUnitAreaData& data) const;
    void SaveT211Row(const QString& label, const TourUnitAreaIndex& index) const;

};
