#pragma once

#include "ReportRun.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class HotelCondition;

// What a hotel run computed, in words: the period, the regions and every condition that
// differs from the window's initial state (all boxes ticked, all ranges open).
namespace HotelRun {

// The boxes of 注册类型: the caption and the registration codes each admits, ascending.
struct RegtypeBox
{
    const char* Caption;
    std::vector<std::int16_t> Codes;
};
const std::array<RegtypeBox, 10>& RegtypeBoxes();

// The registration codes by the captions of the boxes that admit them ("国有、港澳台"); a
// code no box holds whole stays a number.
QStringList RegtypeCaptions(const std::vector<std::int16_t>& codes);

ReportRun Describe(const HotelCondition& condition, const QStringList& regionCodes);

// Only the conditions: "客房规模 ≥ 100", "星级 3星、4星".
QStringList Conditions(const HotelCondition& condition);

} // namespace HotelRun
