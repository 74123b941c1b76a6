#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What a source database holds and what the reports will not count: per table the rows read
// and skipped as deleted, enterprises, first and last TableDate; then each kind of record
// that no report counts, with a count and the first ten codes.
class DataSummary
{
public:
    struct TableLine
    {
        QString Table;
        QString File;            // the file it was read from; empty when not imported
        long long Rows = 0;
        long long Deleted = -1;  // -1: not known (a database that was not imported)
        long long Enterprises = -1; // -1: the table has no code
        QString First, Last;     // TableDate
        QString Note;
    };
    struct Finding
    {
        QString What;
        long long Count = 0;
        QStringList First; // at most ten codes
    };

    // Reads the database at path (read-only). Throws DatabaseError.
    static DataSummary Of(const QString& databasePath);

    QString Database;
    QString Folder;     // where it was imported from; empty for a database not imported
    QString ImportedAt;
    std::vector<TableLine> Tables;
    QStringList LeftOut; // files of the folder the reports do not use
    std::vector<Finding> Findings; // only kinds that occur

    // The summary as plain text, for the window, its copy button and the command line.
    QString Text() const;
};
