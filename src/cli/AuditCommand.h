#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report audit: the findings of the audit, one per line, and the count of each rule on
// the error stream.
namespace AuditCommand {
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);
}
