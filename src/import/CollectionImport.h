#pragma once

#include "CollectionSchema.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class DatabaseContainer;
class RunLock;
class SourceWriter;
class XbaseTable;

// Takes in the collection system's folder: reads its tables (read-only), writes
// Database/stat.dbc.importing-<pid>, checks it, and swaps it in for Database/stat.dbc by a
// rename, keeping the previous database as stat-<yyyyMMdd-HHmmss>.dbc (the three newest). It
// holds the run lock from its first read to the swap, so no analysis reads a source that is
// being replaced. A failure or a cancel throws ImportError and leaves stat.dbc as it was,
// without the partial file.
class CollectionImport
{
public:
    // What is being read: a table file and how far, or a step after the tables.
    using Progress = std::function<void(const QString& what, long long done, long long total)>;

    explicit CollectionImport(QString appFolder);

    QString Encoding = QStringLiteral("GBK"); // for tables that name no code page
    Progress OnProgress;
    const std::atomic<bool>* Cancel = nullptr;

    void Run(const QString& folder);

    QString Target() const;  // Database/stat.dbc
    QString Working() const; // Database/stat.dbc.importing-<pid>
    // The previous database as it was kept by the last Run; empty when there was none.
    const QString& Kept() const { return kept_; }
    long long RecordsRead() const { return records_; }

    // The backups of a Database folder, newest first.
    static QStringList Backups(const QString& databaseFolder);

private:
    std::unique_ptr<RunLock> Lock() const;
    bool Cancelled() const { return Cancel && Cancel->load(); }
    [[noreturn]] static void ThrowCancelled();
    void RemoveAbandoned() const;
    struct LogRow;
    void Write(const QString& folder);
    LogRow Copy(const CollectionSchema::Table& schemaTable, XbaseTable* table,
                const DatabaseContainer& container, SourceWriter& writer);
    void Finish(SourceWriter& writer, const std::vector<LogRow>& log, const QString& folder);
    void Check() const;
    void SwapIn();

    QString app_;
    QString kept_;
    long long records_ = 0;
    QString reading_; // the file being read, for a failure that names no file
};
