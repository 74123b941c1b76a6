#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "DatabaseHealth.h"

// The start-up checks of the program: register the report data source, make sure the own
// database exists, and restore it from the package when it is missing, has grown too large
// or fails the engine's quick check. A folder that is too large is compacted first and, if
// still too large, moved aside as a dated backup, as is a damaged one; the saved conditions,
// region sets and ledger configurations still readable there are carried into the restored
// database. A restore unpacks beside the database, carries the saved rows into that copy and
// puts it in place only then: a start killed anywhere in between is completed by the next
// one, which finds the backup still marked as not carried.
class StartUp
{
public:
    struct Notice
    {
        QString Text;
        QString Title;
        bool Fatal = false; // no sound own database is in place: nothing may write into it
    };

    static constexpr std::int64_t DefaultThreshold = 100000000; // bytes

    explicit StartUp(QString appFolder, std::int64_t threshold = DefaultThreshold);

    // Runs the whole sequence; a notice is to be shown with the critical icon.
    std::optional<Notice> Run();

    void RegisterReportDataSource() const;
    static bool FileIsPresent(const QString& path);
    // True when the folder may stay; false when it was moved aside (it is then gone).
    bool CheckDatabaseFolder(const QString& path);
    static std::int64_t FolderSize(const QString& path);

    // Where the last too-large folder was moved, empty when none was.
    const QString& BackupFolder() const { return backup_; }

    static const QStringList& SavedTables(); // carried from a backup into the restored database
    static const QStringList& Dictionaries(); // without their rows no report has a title

    // What makes a database unfit to be the own one: damaged, empty, without the schema or with
    // an emptied dictionary; empty when it is whole. complete: every dictionary must be there
    // (a package), not only those an older version had.
    static QString Flaw(const QString& path, bool complete = false);

private:
    void CompactDatabases(const QString& folder) const;
    bool MoveAside(const QString& folder);
    std::optional<Notice> Restored(const DatabaseHealth::Carried& carried) const;
    bool Restore(const QString& package, const QString& database, DatabaseHealth::Carried& carried);
    static bool Unpack(const QString& package, const QString& work);
    std::optional<Notice> Upgrade(const QString& database, const QString& package) const;
    static void RemoveAbandonedUnpacks(const QString& folder);
    QString PendingBackup() const;
    void ForgetPendingCarries() const;

    QString app_;
    std::int64_t threshold_;
    QString backup_;
    bool malformed_ = false; // the database was moved aside as damaged
    bool resumed_ = false;   // a start before was killed between moving aside and carrying
    QString damage_;         // what the quick check said
};
