#pragma once

#include <QString>
#include <optional>

class frmRestaurant;

// Stored hotel conditions: the whole state of the hotel conditions window under a name, in
// the own database's tables Condition (one row) and Area (one row per region). The caller
// opens the working set (Connection::TallixConn) before and closes it afterwards. A name is
// used trimmed by every statement; names and values pass through SqlText::Escape.
namespace Template {

// The three parts of a stored range value "item$start#end!".
struct RangeValue
{
    QString Item;
    QString Start;
    QString End;
};

// Replaces any stored condition of that name by the window's current state.
void SaveHotelCondition(const frmRestaurant& form, const QString& name);
// Sets the window's controls and region grid from the stored condition.
void OpenHotelCondition(frmRestaurant& form, const QString& name);
void DeleteHotelCondition(const QString& name);

// The range value of a stored condition: combo text, "$", start, "#", end, "!".
QString RangeValueText(const QString& item, const QString& start, const QString& end);
// Its three parts, each trimmed. A value that lacks a marker, or has them out of order,
// is taken as an item text alone.
RangeValue SplitRangeValue(const QString& value);
// The position of a trimmed item text in the range combos; nullopt for any other text.
std::optional<int> RangeItemIndex(const QString& text);

} // namespace Template
