#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report ledger ...: see the README.
namespace LedgerCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
