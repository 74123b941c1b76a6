#include "StartUp.h"

#include "Connection.h"
#include "DataSourceRegistry.h"
#include "DatabaseError.h"
#include "DatabaseHealth.h"
#include "DbConnection.h"
#include "OwnDatabaseUpgrade.h"
#include "PackageArchive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <unistd.h>

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
    const DatabaseHealth::Carried carried = DatabaseHealth::CarryRows(old, database, SavedTables());
    DbConnection::ReleasePooled(backup_);
    if (malformed_)
        return Notice{QStringLiteral("自有数据库 tallix.dbc 已损坏（") + damage_ + QStringLiteral("），已移至 ") +
                          backup_ + QStringLiteral("，并从 tallix.she 恢复；存储的条件、地区与台帐配置找回 ") +
                          QString::number(carried.Rows) + QStringLiteral(" 行") +
                          (carried.Problems.isEmpty() ? QStringLiteral("。")
                                                      : QStringLiteral("，无法读出的部分：\n") +
                                                            carried.Problems.join(QLatin1Char('\n'))),
                      NoticeTitle};
    if (!carried.Problems.isEmpty())
        return Notice{QStringLiteral("存储的条件未能从备份 ") + backup_ + QStringLiteral(" 恢复：") +
                          carried.Problems.join(QLatin1Char('\n')),
                      NoticeTitle};
    return std::nullopt;
}

// --- Restore: never a half-unpacked database in place ----------------------------------

bool StartUp::Unpack(const QString& package, const QString& database)
{
    const QFileInfo target(database);
    QDir().mkpath(target.absolutePath());
    const QString work = database + QStringLiteral(".restore-") + QString::number(QCoreApplication::applicationPid());
    QFile::remove(work);
    const bool sound = PackageArchive::Unpack(package, target.fileName(), work) &&
                       DatabaseHealth::Check(work) == DatabaseHealth::State::Sound;
    DbConnection::ReleasePooled(target.absolutePath());
    if (sound) {
        if (QFile file(work); file.open(QIODevice::ReadWrite))
            ::fsync(file.handle());
        // A hard link fails where a database already is: a start that ran at the same
        // moment and restored first keeps its database, which may already be in use.
        std::error_code error;
        fs::create_hard_link(Native(work), Native(database), error);
    }
    QFile::remove(work);
    return FileIsPresent(database);
}

void StartUp::RemoveAbandonedUnpacks(const QString& folder)
{
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("tallix.dbc.restore-*")}, QDir::Files)) {
        bool ok = false;
        const qint64 pid = file.suffix().section(QLatin1Char('-'), -1).toLongLong(&ok);
        if (!ok || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            QFile::remove(file.absoluteFilePath());
    }
}

// --- The sequence ----------------------------------------------------------------------

std::optional<StartUp::Notice> StartUp::Run()
{
    RegisterReportDataSource();
    const QString folder = app_ + QLatin1String(Connection::OwnDatabaseFolder);
    const QString database = app_ + QLatin1String(Connection::OwnDatabasePath);
    const QString package = app_ + QLatin1String(Connection::PackagePath);
    OwnDatabaseUpgrade::Apply(database);

    RemoveAbandonedUnpacks(folder);
    if (FileIsPresent(database) && CheckDatabaseFolder(folder)) {
        if (DatabaseHealth::Check(database, &damage_) != DatabaseHealth::State::Malformed)
            return std::nullopt;
        damage_ = damage_.section(QLatin1Char('\n'), 0, 0); // the engine lists up to a hundred findings
        if (!FileIsPresent(package))
            return Notice{QStringLiteral("自有数据库 tallix.dbc 已损坏（") + damage_ +
                              QStringLiteral("），缺少统计系统文件 tallix.she，无法恢复！"),
                          NoticeTitle};
        if (!MoveAside(folder))
            return Notice{QStringLiteral("自有数据库 tallix.dbc 已损坏（") + damage_ + QStringLiteral("），无法移开文件夹 ") +
                              folder + QStringLiteral("！"),
                          NoticeTitle};
        malformed_ = true;
    }
    if (!FileIsPresent(package))
        return Notice{QStringLiteral("缺少统计系统文件 tallix.she！"), NoticeTitle};
    DbConnection::ReleasePooled(folder);
    if (!Unpack(package, database))
        return Notice{QStringLiteral("统计系统文件 tallix.she 格式不对！"), NoticeTitle};
    return CarrySavedRows(database);
}
