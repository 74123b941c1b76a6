#pragma once

class QSqlDatabase;
struct sqlite3;

// YEAR() and MONTH() on ISO date text ("2005-06-30", also with a time after it);
// NULL or text that is no date gives NULL.
namespace SqlFunctions {
void Register(QSqlDatabase& database);
void Register(sqlite3* database); // a connection opened without Qt
}
