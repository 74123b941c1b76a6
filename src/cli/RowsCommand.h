#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report rows [--report CODE]: the result rows of one report, or of every result
// table, as tab-separated text in stored order.
namespace RowsCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
