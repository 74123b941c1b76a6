#pragma once

#include "HotelAreaData.h"
#include "ReportCollection.h"

#include <memory>

// The hotel report of one run: the region aggregates in the order they were added, their
// total, and the writing of tables 1-1 to 1-10.
class HotelReport : public ReportCollection<HotelAreaData>
{
public:
    // A new aggregate on every call, with an empty areacode (printed as "合计").
    std::shared_ptr<HotelAreaData> Total() const;
    // Replaces the result tables in one transaction: table 1-1 from the total, then the lines
    // of the total and of each region in tables 1-2 to 1-10. A failure keeps the previous report.
    void Save() const;

private:
    void SaveT1_1(const HotelAreaData& total) const;
    void SaveT1_1Row(const QString& label, const HotelAreaComplex& group) const;
};
