#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report annual --year YYYY [--region CODE ...]: the annual report window's run.
namespace AnnualCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
