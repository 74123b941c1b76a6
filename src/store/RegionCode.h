#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Region codes: six digits, "##0000" a province, "####00" a prefecture-level region.
namespace RegionCode {

// The prefix of regionalismcode that a region code selects: the first 2 characters of a
// province code, the first 4 of a prefecture code, otherwise the whole code. It is cut from
// the trimmed code, so a code read back with blanks selects what the bare code selects;
// an empty code gives an empty prefix (every enterprise).
QString Prefix(const QString& code);

// A typed region number made into a code: below 100 times 10000, below 1000 times 1000,
// below 100000 times 100, otherwise unchanged (32 -> 320000, 3201 -> 320100).
std::int64_t Normalise(std::int64_t number);

// The whole number of a typed key (trimmed, a fraction rounded to even); nullopt when the
// key is blank, not a number, or beyond a 32-bit number.
std::optional<std::int32_t> ParseKey(const QString& text);

} // namespace RegionCode
