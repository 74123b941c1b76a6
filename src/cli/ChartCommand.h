#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report chart --report CODE --column N (--png FILE | --pdf FILE): a bar chart of the
// report's N-th printed column, as the print window's 图表 tab draws it.
namespace ChartCommand {

int Run(const QStringList& arguments, QTextStream& out);

} // namespace ChartCommand
