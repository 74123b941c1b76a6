#pragma once

class QSqlDatabase;

// YEAR() and MONTH() on ISO date text ("2005-06-30", also with a time after it);
// NULL or text that is no date gives NULL.
namespace SqlFunctions {
void Register(QSqlDatabase& database);
}
