#include "StartUp.h"

#include "Connection.h"
#include "DataSourceRegistry.h"
#include "DatabaseError.h"
#include "DbConnection.h"
#include "OwnDatabaseUpgrade.h"

#include <JlCompress.h>
#include <QDateTime>
#include <QDir>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const QString NoticeTitle = QStringLiteral("台帐系统提示");

fs::path Native(const QString& path)
{
    return fs::path(path.toStdString());
}

} // namespace

StartUp::StartUp(QString appFolder, std::int64_t threshold) : app_(std::move(appFolder)), threshold_(threshold) {}

const QStringList& StartUp::SavedTables()
{
    static const QStringList tables{QStringLiteral("Condition"), QStringLiteral("Area"), QStringLiteral("namesave"),
                                    QStringLiteral("addsave"), QStringLiteral("Aca")};
    return tables;
}

void StartUp::RegisterReportDataSource() const
{
    const QString attributes = QStringLiteral("SourceType=DBC") + QLatin1Char('\r') + QStringLiteral("Exclusive=No") +
                               QLatin1Char('\r') + QStringLiteral("SourceDB=") + app_ +
                               QLatin1String(Connection::OwnDatabasePath);
    DataSourceRegistry::Register(QStringLiteral("tallix"), QStringLiteral("Microsoft Visual Foxpro Driver"), true,
                                 attributes);
}

bool StartUp::FileIsPresent(const QString& path)
{
    std::error_code error;
    return fs::is_regular_file(Native(path), error);
}

std::int64_t StartUp::FolderSize(const QString& path)
{
    std::error_code error;
    std::int64_t total = 0;
    for (fs::recursive_directory_iterator it(Native(path), error), end; !error && it != end; it.increment(error)) {
        std::error_code sizeError;
        if (it->is_regular_file(sizeError)) {
            const auto size = it->file_size(sizeError);
            if (!sizeError)
                total += static_cast<std::int64_t>(size);
        }
    }
    return total;
}

bool StartUp::CheckDatabaseFolder(const QString& path)
{
    std::error_code error;
    if (!fs::is_directory(Native(path), error))
        return true;
    const auto tooLarge = [&] { return static_cast<double>(FolderSize(path)) / 1000.0 / 1000.0 > threshold_ / 1e6; };
    if (!tooLarge())
        return true;
    CompactDatabases(path);
    if (!tooLarge())
        return true;
    if (!FileIsPresent(app_ + QLatin1String(Connection::PackagePath)))
        return true; // nothing to restore from: keep the data rather than lose it
    return !MoveAside(path); // a folder that cannot be moved stays in use
}

void StartUp::CompactDatabases(const QString& folder) const
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.dbc")}, QDir::Files);
    for (const QString& name : files) {
        try {
            DbConnection connection;
            connection.Open(folder + QLatin1Char('/') + name);
            connection.Execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            connection.Execute(QStringLiteral("VACUUM"));
        } catch (const DatabaseError&) {
            // not a database we can compact: the size test decides alone
        }
    }
    DbConnection::ReleasePooled(folder);
}

bool StartUp::MoveAside(const QString& folder)
{
    DbConnection::ReleasePooled(folder);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = folder + QStringLiteral("-backup-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder + QStringLiteral("-backup-") + stamp + QLatin1Char('-') + QString::number(n);
    std::error_code error;
    fs::rename(Native(folder), Native(target), error);
    if (error)
        return false;
    backup_ = target;
    return true;
}

std::optional<StartUp::Notice> StartUp::CarrySavedRows(const QString& database) const
{
    const QString old = backup_ + QStringLiteral("/tallix.dbc");
    if (backup_.isEmpty() || !FileIsPresent(old))
        return std::nullopt;
    try {
        DbConnection connection;
        connection.Open(database);
        QString escaped = old;
        escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
        connection.Execute(QStringLiteral("ATTACH DATABASE '") + escaped + QStringLiteral("' AS saved"));
        try {
            for (const QString& table : SavedTables())
                connection.Execute(QStringLiteral("INSERT INTO main.") + table + QStringLiteral(" SELECT * FROM saved.") +
                                   table);
        } catch (...) {
            connection.Execute(QStringLiteral("DETACH DATABASE saved"));
            throw;
        }
        connection.Execute(QStringLiteral("DETACH DATABASE saved"));
    } catch (const DatabaseError& e) {
        return Notice{QStringLiteral("存储的条件未能从备份 ") + backup_ + QStringLiteral(" 恢复：") + e.Message(),
                      NoticeTitle};
    }
    return std::nullopt;
}

std::optional<StartUp::Notice> StartUp::Run()
{
    RegisterReportDataSource();
    const QString folder = app_ + QLatin1String(Connection::OwnDatabaseFolder);
    const QString database = app_ + QLatin1String(Connection::OwnDatabasePath);
    const QString package = app_ + QLatin1String(Connection::PackagePath);
    OwnDatabaseUpgrade::Apply(database);

    if (FileIsPresent(database) && CheckDatabaseFolder(folder))
        return std::nullopt;
    if (!FileIsPresent(package))
        return Notice{QStringLiteral("缺少统计系统文件 tallix.she！"), NoticeTitle};
    DbConnection::ReleasePooled(folder);
    JlCompress::extractDir(package, folder);
    if (!FileIsPresent(database))
        return Notice{QStringLiteral("统计系统文件 tallix.she 格式不对！"), NoticeTitle};
    return CarrySavedRows(database);
}
