#pragma once

struct sqlite3;

// The source's values as the reports convert them, for statements that sum inside the engine:
// TONUMBER(x) is the number a value reads as (a number, or text such as ' 12.5'), TOINT32(x)
// that number as a 32-bit integer, a tie rounded to the even one. Both give NULL for NULL and
// for what the conversion refuses (text that is no number, a whole number out of range).
namespace SqlNumberFunctions {
void Register(sqlite3* database);
}
