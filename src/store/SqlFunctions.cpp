#include "SqlFunctions.h"

#include "DatabaseError.h"
#include "SqlNumberFunctions.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace {

// Reads digits [from, from + count) of text; -1 when any is not a digit.
int Digits(const unsigned char* text, int length, int from, int count)
{
    if (from + count > length)
        return -1;
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// part 0: year, part 1: month
void DatePart(sqlite3_context* context, int argc, sqlite3_value** argv, int part)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* text = sqlite3_value_text(argv[0]);
    const int length = sqlite3_value_bytes(argv[0]);
    if (!text || length < 7 || text[4] != '-') {
        sqlite3_result_null(context);
        return;
    }
    const int year = Digits(text, length, 0, 4);
    // Months are written with two digits, but tolerate "2005-6-30".
    int month = -1;
    if (length >= 7 && text[6] == '-')
        month = Digits(text, length, 5, 1);
    else
        month = Digits(text, length, 5, 2);
    if (year < 0 || month < 1 || month > 12) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, part == 0 ? year : month);
}

void Year(sqlite3_context* c, int argc, sqlite3_value** argv) { DatePart(c, argc, argv, 0); }
void Month(sqlite3_context* c, int argc, sqlite3_value** argv) { DatePart(c, argc, argv, 1); }

} // namespace

namespace SqlFunctions {

void Register(QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    sqlite3* db = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        db = *static_cast<sqlite3* const*>(handle.data());
    if (!db)
        throw DatabaseError(QString(), QStringLiteral("无法取得 SQLite 句柄"));
    Register(db);
}

void Register(sqlite3* db)
{
    // Deterministic and free of side effects, so that the source schema may index them.
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    if (sqlite3_create_function_v2(db, "YEAR", 1, flags, nullptr, &Year, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "MONTH", 1, flags, nullptr, &Month, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DatabaseError(QString(), QString::fromUtf8(sqlite3_errmsg(db)));
    SqlNumberFunctions::Register(db);
}

} // namespace SqlFunctions
