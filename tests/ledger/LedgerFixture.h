#pragma once

#include "TallixCondition.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <utility>
#include <vector>

class TempAppFolder;

// Readable QString values in failure messages.
void PrintTo(const QString& text, std::ostream* os);

namespace LedgerFixture {

using Items = std::vector<std::pair<QString, QString>>; // (table, field expression)

// Regions 430000 湖南省, 430100 长沙市, 430200 株洲市, 440000 广东省; four accommodation units
// (B1001 and B1002 in 长沙, B2001 and B1003 in 株洲) with returns in Base05 and Base06 for
// months 1 to 3 of 2005 and 2006 (and an April return no March ledger may read); two travel
// agencies, a scenic area, another unit and a hotel in 广州 with returns of their own.
void FillSource(const TempAppFolder& folder);

// The columns of the reference ledgers: 客房+餐饮收入, 接待人数, 营业收入, 客房数 (register).
Items AccommodationItems();

TallixCondition Condition(std::int16_t style, const QString& codeHead, const QString& subType,
                          const Items& items, std::int16_t year = 2006, std::int16_t month = 3);

// type22 as stored: value1 to value9 and tablecode of every row, in insertion order.
QStringList LedgerRows(const TempAppFolder& folder);
inline const char* const EmptyTotal = "合计\t\t\t\t\t\t\t\t\t<null>";

// The rows equal tests/ledger/reference/<name>; a missing reference is a failure.
void ExpectReference(const TempAppFolder& folder, const char* name);

} // namespace LedgerFixture
