#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report summary: the data summary of the current source database.
namespace SummaryCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
