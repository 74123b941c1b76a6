#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The start-up checks of the program: register the report data source, make sure the own
// database exists, and restore it from the package when it is missing, has grown too large
// or fails the engine's quick check. A folder that is too large is compacted first and, if
// still too large, moved aside as a dated backup, as is a damaged one; the saved conditions,
// region sets and ledger configurations still readable there are carried into the restored
// database. A restore unpacks beside the database and puts it in place only once it checks.
class StartUp
{
public:
    struct Notice
    {
        QString Text;
        QString Title;
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

private:
    void CompactDatabases(const QString& folder) const;
    bool MoveAside(const QString& folder);
    std::optional<Notice> CarrySavedRows(const QString& database) const;
    static bool Unpack(const QString& package, const QString& database);
    static void RemoveAbandonedUnpacks(const QString& folder);

    QString app_;
    std::int64_t threshold_;
    QString backup_;
    bool malformed_ = false; // the database was moved aside as damaged
    QString damage_;         // what the quick check said
};
