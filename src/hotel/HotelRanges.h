#pragma once

#include "InputRules.h"

#include <QString>
#include <utility>
#include <vector>

class HotelCondition;

// The nine range groups of a hotel run: one table for the window's boxes and checks and for
// the command line's options.
namespace HotelRanges {

// The groups in their order in the window.
enum Group {
    OpenYear,
    Rooms,
    Income,
    Profit,
    FixedAssets,
    Occupancy,
    Reception,
    IncomePer,
    ProfitPer,
    Count
};

struct Rule
{
    Group Position;
    const char* Option;                                  // on the command line, without "--"
    InputRules::Verdict (*Family)(const QString& typed); // the rule of both its boxes
    const QString& Refusal;                              // that rule's message
    const QString& Incomplete;                           // the message of its completeness check
    // Sets the condition's two bounds from their texts; an open side is empty. Throws
    // ConversionError for a text that is no number.
    void (*Fill)(HotelCondition& condition, const QString& start, const QString& end);
};

// In the order of the run's completeness checks.
const std::vector<Rule>& Rules();

// The two bounds a group sets from its combo's item and its two boxes; an open side is
// empty. "不大于（≤）" takes its upper bound from the start box.
std::pair<QString, QString> Bounds(int item, const QString& start, const QString& end);

} // namespace HotelRanges
