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

    // Replaces the result tables in one transaction: "合计", then every row in order. A failure
    // keeps the previous report.
    void Save() const;
};
