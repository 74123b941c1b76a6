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

// Regions 430000 湖南省, 430100 长沙市, 430200 株洲市; four accommodation units (B1001 and
// B1002 in 长沙, B2001 and B1003 in 株洲) with monthly returns in Base05 and Base06 for
// months 1 to 3 of 2005 and 2006 (and one April return that no ledger of March may read);
// two travel agencies, a scenic area and another unit with returns of their own.
void FillSource(const TempAppFolder& folder);

// The accommodation columns of the reference ledgers: 客房+餐饮收入, 接待人数, 营业收入,
// 客房数 (a register field).
std::vector<std::pair<QString, QString>> AccommodationItems();

TallixCondition Condition(std::int16_t style, const QString& codeHead, const QString& subType,
                          const std::vector<std::pair<QString, QString>>& items, std::int16_t year = 2006,
                          std::int16_t month = 3);

// type22 as stored: value1 to value9 and tablecode of every row, in insertion order.
QStringList LedgerRows(const TempAppFolder& folder);

// Compares rows with tests/ledger/reference/<name>; a missing or differing reference gives
// a failure text that shows both sides line by line, otherwise an empty text.
QString CompareWithReference(const QStringList& rows, const QString& name);

} // namespace LedgerFixture
