#pragma once

#include "ReportCollection.h"

#include <memory>

class TallixAreaData;

// The ledger of one run: its rows in the order they were computed, their total, and the
// writing of the whole ledger into type22.
class TallixReport : public ReportCollection<TallixAreaData>
{
public:
    // A fresh row holding the sums of every row; without rows it has no columns.
    std::shared_ptr<TallixAreaData> Total() const;

    // Empties the result tables, then writes "合计" and every row in order, each insert on its
    // own. A failure part-way empties the tables again, so no half-written ledger is printed.
    void Save() const;
};
