#pragma once

#include "ReportRun.h"

#include <QStringList>

class HotelCondition;

// What a hotel run computed, in words: the period, the regions and every condition that
// differs from the window's initial state (all boxes ticked, all ranges open).
namespace HotelRun {

ReportRun Describe(const HotelCondition& condition, const QStringList& regionCodes);

// Only the conditions: "客房规模 ≥ 100", "星级 3星、4星".
QStringList Conditions(const HotelCondition& condition);

} // namespace HotelRun
