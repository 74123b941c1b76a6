#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report import --from FOLDER [--encoding NAME]: takes in the collection system's
// folder; progress on err, the data summary on out. Exit 2 for a folder without such tables
// (or bad options), 1 when a file cannot be read or written.
namespace ImportCommand {
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);
}
