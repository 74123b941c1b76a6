#pragma once

#include "ReportRun.h"

#include <QStringList>

class TallixCondition;

// What a ledger run computed: the period (the months summed), the unit type, the comparison
// mode, the regions or enterprises and the captions of the item columns.
namespace TallixRun {

ReportRun Describe(const TallixCondition& condition, const QStringList& codes, bool isArea,
                   const QStringList& captions);

QString UnitTypeText(const TallixCondition& condition);
QString ModeText(int tableStyle);

} // namespace TallixRun
