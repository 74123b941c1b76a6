#pragma once

#include <QString>
#include <optional>
#include <QVariant>
#include <cstdint>

class SqlValue;

// The number rules every report shares: rounding of indicators, integer conversion
// of source values, and the text form of numbers written into result tables.
namespace Numeric {

// Rounds to two decimals; an exact tie goes to the even neighbour (0.125 -> 0.12, 0.375 -> 0.38).
double RoundTwo(double value);

// Rounds to a whole number, a tie to the even one.
double RoundEven(double value);

// Division with a zero divisor yielding 0 (compared with 0.0 exactly).
inline double Ratio(double dividend, double divisor) { return divisor == 0.0 ? 0.0 : dividend / divisor; }

// Conversions of a database value; text is parsed as a number. A value that is not a number
// or lies outside the type's range throws ConversionError, never wraps.
double ToDouble(const QVariant& value);
// The same without throwing: nullopt for NULL or a value that is not a number.
std::optional<double> ToNumber(const QVariant& value);
std::int16_t ToInt16(const QVariant& value);
std::int32_t ToInt32(const QVariant& value);
double ToDouble(const SqlValue& value);
std::int16_t ToInt16(const SqlValue& value);
std::int32_t ToInt32(const SqlValue& value);

// Parses text as a decimal number (optional sign, digits, optional point and fraction,
// blanks around allowed). Returns false when the text is not such a number.
bool ParseNumber(const QString& text, double* result);

// The general text form: up to 15 significant digits, no grouping, a point, no trailing
// zeros, no "-0" (1234.5, 3, 0.25, 0.333333333333333).
QString NumberText(double value);

} // namespace Numeric
