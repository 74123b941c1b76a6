#pragma once

#include <QString>
#include <functional>

class ResultRow;

// The result tables hold the rows of the last report run only.
namespace ResultTables {

// Empties the six result tables and writes a report into them in one transaction: a failure,
// a full disk or a kill part-way leaves the previous report as it was.
void Replace(const std::function<void()>& write);

// Writes one report line. Inside Replace it goes through the transaction's prepared
// statements; anywhere else it runs as a statement of its own, committed at once.
void Insert(const ResultRow& row, const QString& tablecode = QString());

// Runs one statement (the run's record) the same way: inside Replace in its transaction.
void Execute(const QString& sql);

} // namespace ResultTables
