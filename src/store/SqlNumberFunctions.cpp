#include "SqlNumberFunctions.h"

#include "DatabaseError.h"
#include "Numeric.h"

#include <QString>
#include <cstdint>
#include <limits>
#include <optional>
#include <sqlite3.h>

namespace {

// The number as Numeric::ToDouble reads it. Plain digits, what codes and counts stored as
// text mostly are, are read in place.
std::optional<double> NumberOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    default:
        break;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const int size = sqlite3_value_bytes(value);
    if (size > 0 && size <= 15) {
        double digits = 0;
        int i = 0;
        for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i)
            digits = digits * 10 + (text[i] - '0');
        if (i == size)
            return digits;
    }
    double number = 0;
    if (!Numeric::ParseNumber(QString::fromUtf8(text, size), &number))
        return std::nullopt;
    return number;
}

void ToNumber(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (const auto number = NumberOf(argv[0]))
        sqlite3_result_double(context, *number);
    else
        sqlite3_result_null(context);
}

void ToInt32(sqlite3_context* context, int, sqlite3_value** argv)
{
    constexpr auto low = std::numeric_limits<std::int32_t>::min();
    constexpr auto high = std::numeric_limits<std::int32_t>::max();
    // Whole numbers are taken as they stand, as the conversion in C++ takes them.
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        const sqlite3_int64 whole = sqlite3_value_int64(argv[0]);
        if (whole >= low && whole <= high)
            sqlite3_result_int64(context, whole);
        else
            sqlite3_result_null(context);
        return;
    }
    const auto number = NumberOf(argv[0]);
    const double rounded = number ? Numeric::RoundEven(*number) : 0;
    if (number && rounded >= low && rounded <= high)
        sqlite3_result_int64(context, static_cast<sqlite3_int64>(rounded));
    else
        sqlite3_result_null(context);
}

} // namespace

namespace SqlNumberFunctions {

void Register(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    if (sqlite3_create_function_v2(db, "TONUMBER", 1, flags, nullptr, &ToNumber, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(db, "TOINT32", 1, flags, nullptr, &ToInt32, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DatabaseError(QString(), QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace SqlNumberFunctions
