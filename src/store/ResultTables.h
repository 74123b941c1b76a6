#pragma once

#include <functional>

// The result tables hold the rows of the last report run only.
namespace ResultTables {

// Empties the six result tables and writes a report into them. Each row is still committed
// on its own; when a statement fails the tables are emptied again before the error goes on,
// so no half-written report is ever printed.
void Replace(const std::function<void()>& write);

} // namespace ResultTables
