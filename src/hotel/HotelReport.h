#pragma once

#include "HotelAreaData.h"

#include <QList>
#include <cstdint>
#include <memory>

// The hotel report of one run: the region aggregates in the order they were added, their
// total, and the writing of tables 1-1 to 1-10.
class HotelReport
{
public:
    void Add(std::shared_ptr<HotelAreaData> item);
    std::int32_t Count() const;
    // Positions count from 1; a position outside 1..Count throws std::out_of_range.
    void Delete(std::int32_t index);
    std::shared_ptr<HotelAreaData> Item(std::int32_t index) const;
    void Clear();
    // A new aggregate on every call, with an empty areacode (printed as "合计").
    std::shared_ptr<HotelAreaData> Total() const;
    // Empties every result table, then writes table 1-1 from the total and the lines of
    // the total and of each region into tables 1-2 to 1-10. When a statement fails the
    // result tables are emptied again before the error goes on, so no half report remains.
    void Save() const;

private:
    void SaveT1_1(const HotelAreaData& total) const;
    void SaveT1_1Row(const QString& label, const HotelAreaComplex& group) const;

    QList<std::shared_ptr<HotelAreaData>> items_;
};
