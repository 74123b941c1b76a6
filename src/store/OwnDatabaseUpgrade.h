#pragma once

#include <QString>
#include <QStringList>

// Brings an own database made by an earlier version up to the current tables: every table
// and index of the schema script that the database lacks is created; nothing that is there
// is touched, so every saved row stays.
namespace OwnDatabaseUpgrade {

// Returns the names of what was added; a missing file is left alone. A database that cannot
// be read or written is left as it is: the start-up checks and the first statement that needs
// the table report it.
QStringList Apply(const QString& databasePath);

} // namespace OwnDatabaseUpgrade
