#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report print ...: see the README.
namespace PrintCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
