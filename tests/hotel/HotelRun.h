#pragma once

#include <QString>
#include <QStringList>

class TempAppFolder;

// Runs "orvane-report hotel" with these options; returns its exit status and what it printed.
int RunHotel(const QStringList& options, QString* printed = nullptr);

// Every result table as stored: a line "## select * from typeNN", then its rows tab-joined.
QString ResultTables(const TempAppFolder& folder);

// Compares with tests/<relative>; a missing or differing reference fails, and the actual
// text is left in the temporary folder for a reviewer to inspect.
void ExpectReference(const QString& relative, const QString& actual);
