#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report ledger --year YYYY --month MM --unit accommodation|agency|scenic|other
//   [--hotels] [--other-accommodation] [--international] [--domestic]
//   --mode current|cumulative|same-period|cumulative-comparison
//   (--region CODE ... | --enterprise CODE ... | --enterprises-of REGION ...)
//   [--item TABLE:FIELDS[:CAPTION] ...]: the ledger window's run.
namespace LedgerCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
