#pragma once

#include <QString>
#include <memory>
#include <vector>

// One column of the ledger: the source table and field expression it sums, the sum for the
// report period and, in the comparison modes, the sum of the same period a year earlier.
class TallixIndex
{
public:
    QString Tablename; // e.g. Base04; Base01 for a field of the enterprise register
    QString FieldName; // one field, or several joined by "+"
    double SumValueOld = 0;
    double SumValueNew = 0;
    bool IsCompare = false;

    // The number written out: the sum, or in a comparison column the growth as a plain
    // fraction (0.25 for +25 %), 0 when there is nothing to compare with. Never rounded.
    double SumValue() const;
};

// The columns of a ledger in report order.
using TallixIndexList = std::vector<std::shared_ptr<TallixIndex>>;
