#pragma once

#include "ResultRow.h"
#include "TallixIndex.h"

#include <QString>
#include <cstdint>

// One row of the ledger: a region or an enterprise with one value per column. Its columns
// are its own objects, never shared with the condition or with another row.
class TallixAreaData
{
public:
    // The ledger's result row has room for a name and eight values.
    static constexpr int MaxColumns = 8;

    TallixAreaData();

    QString code; // region code or enterprise code
    QString Name; // region name, unit name or "合计"

    // Copies names, values and flags of every source column into columns of this row.
    void SetCustomIndexs(const TallixIndexList& source);
    // The row's own column objects (shared, not copied).
    TallixIndexList CustomIndexs() const { return indexs_; }
    int ColumnCount() const { return static_cast<int>(indexs_.size()); }

    // The column at a position 0..ColumnCount()-1; std::out_of_range otherwise.
    TallixIndex& Item(std::int16_t index);
    const TallixIndex& Item(std::int16_t index) const;

    // Zeroes both sums of every column; names and flags stay.
    void Clear();

    // Adds Source column by column into Dest. An empty Dest (a fresh total) takes a copy of
    // Source's columns instead, so the comparison flags come along.
    static void AddTallixAreaData(TallixAreaData& Dest, const TallixAreaData& Source);

    // Every derived number comes from SumValue when the row is written.
    void AutoCalculate() {}

    // The INSERT of this row into type22: the name and always eight values after it, the
    // columns' numbers first and empty texts for the unused ones.
    QString SaveSql() const;
    // The same line as a row the result tables take.
    ResultRow SaveRow() const;
    void Save() const;

private:
    TallixIndexList indexs_;
};
