#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report annual ...: see the README.
namespace AnnualCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
