#pragma once

#include <QString>
#include <functional>

class Recordset;

// The statements behind the saved condition sets, region sets and ledger configurations,
// on the working set (Connection::TallixConn), which the caller has opened.
namespace SavedSets {

void Execute(const QString& sql);
Recordset& Query(const QString& sql);

// The first column of the first row as a whole number; 0 when there is no row.
int Count(const QString& sql);

// Runs the statements of one save or delete as one transaction: a failure in the middle
// keeps what the user had saved before.
void Write(const std::function<void()>& statements);

} // namespace SavedSets
