#include "StartUp.h"

#include "Checkpoint.h"
#include "Connection.h"
#include "DataSourceRegistry.h"
#include "DatabaseError.h"
#include "DatabaseHealth.h"
#include "DbConnection.h"
#include "OwnDatabaseUpgrade.h"
#include "PackageArchive.h"
#include "Recordset.h"
#include "SqlText.h"

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
const char* const CarryPending = "/carry-pending"; // in a backup folder: its rows are yet to be carried

fs::path Native(const QString& path)
{
    return fs::path(path.toStdString());
}

} // namespace

StartUp::StartUp(QString appFolder, std::int64_t threshold) : app_(std::move(appFolder)), threshold_(threshold) {}

const QStringList& StartUp::Dictionaries()
{
    static const QStringList tables{QStringLiteral("dic_tablename"), QStringLiteral("dic_fields"),
                                    QStringLiteral("dic_ttallix")};
    return tables;
}

const QStringList& StartUp::SavedTables()
{
    static const QStringList tables{QStringLiteral("Condition"), QStringLiteral("Area"), QStringLiteral("namesave"),
                                    QStringLiteral("addsave"), QStringLiteral("Aca"),
                                    QStringLiteral("AuditThreshold")};
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
    // Marked before it moves, so the mark travels with it: whichever start finds the backup
    // without a database in place carries its rows.
    if (QFile mark(folder + QLatin1String(CarryPending)); mark.open(QIODevice::WriteOnly))
        ::fsync(mark.handle());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = folder + QStringLiteral("-backup-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder + QStringLiteral("-backup-") + stamp + QLatin1Char('-') + QString::number(n);
    std::error_code error;
    fs::rename(Native(folder), Native(target), error);
    if (error)
        return false;
    backup_ = target;
    Checkpoint::Reach("startup-moved-aside");
    return true;
}

// --- Restore: never a half-unpacked database in place, never saved rows left behind ----

std::optional<StartUp::Notice> StartUp::Restored(const DatabaseHealth::Carried& carried) const
{
    const QString found = QStringLiteral("存储的条件、地区、台帐配置与审核限值找回 ") + QString::number(carried.Rows) +
                          QStringLiteral(" 行") +
                          (carried.Problems.isEmpty() ? QStringLiteral("。")
                                                      : QStringLiteral("，无法读出的部分：\n") +
                                                            carried.Problems.join(QLatin1Char('\n')));
    if (malformed_)
        return Notice{QStringLiteral("自有数据库 tallix.dbc 已损坏（") + damage_ +
                          QStringLiteral("），已移至 ") + backup_ +
                          QStringLiteral("，并从 tallix.she 恢复；") + found,
                      NoticeTitle};
    if (resumed_)
        return Notice{QStringLiteral("上次启动在恢复自有数据库时中断，现已从 tallix.she 恢复，并从备份 ") +
                          backup_ + QStringLiteral(" 补回；") + found,
                      NoticeTitle};
    if (!carried.Problems.isEmpty())
        return Notice{QStringLiteral("存储的条件未能从备份 ") + backup_ + QStringLiteral(" 恢复：") +
                          carried.Problems.join(QLatin1Char('\n')),
                      NoticeTitle};
    return std::nullopt;
}

bool StartUp::Unpack(const QString& package, const QString& work)
{
    return PackageArchive::Unpack(package, QStringLiteral("tallix.dbc"), work) &&
           Flaw(work, true).isEmpty();
}

// The package unpacked beside the database, the saved rows of the backup carried into that
// copy, and only then the copy put in place: a kill anywhere before leaves no database, and
// the next start does it all again.
bool StartUp::Restore(const QString& package, const QString& database, DatabaseHealth::Carried& carried)
{
    const QFileInfo target(database);
    QDir().mkpath(target.absolutePath());
    const QString work = database + QStringLiteral(".restore-") + QString::number(QCoreApplication::applicationPid());
    QFile::remove(work);
    bool sound = Unpack(package, work);
    Checkpoint::Reach("startup-unpacked");
    const QString old = backup_ + QStringLiteral("/tallix.dbc");
    if (sound && !backup_.isEmpty() && FileIsPresent(old)) {
        carried = DatabaseHealth::CarryRows(old, work, SavedTables());
        DbConnection::ReleasePooled(backup_);
        sound = Flaw(work, true).isEmpty();
    }
    Checkpoint::Reach("startup-carried");
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
    if (!FileIsPresent(database))
        return false;
    ForgetPendingCarries();
    return true;
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

// The newest backup whose saved rows were never carried into a database in place.
QString StartUp::PendingBackup() const
{
    const QDir app(app_);
    for (const QString& name :
         app.entryList({QStringLiteral("TallixDataBase-backup-*")}, QDir::Dirs, QDir::Name | QDir::Reversed))
        if (QFileInfo::exists(app.filePath(name) + QLatin1String(CarryPending)))
            return app.filePath(name);
    return QString();
}

// With a database in place every backup's rows are where they can be: carried, or reported.
void StartUp::ForgetPendingCarries() const
{
    const QDir app(app_);
    for (const QString& name : app.entryList({QStringLiteral("TallixDataBase-backup-*")}, QDir::Dirs))
        QFile::remove(app.filePath(name) + QLatin1String(CarryPending));
    QFile::remove(app_ + QLatin1String(Connection::OwnDatabaseFolder) + QLatin1String(CarryPending));
}

// --- Whole or not -------------------------------------------------------------------------

QString StartUp::Flaw(const QString& path, bool complete)
{
    if (QFileInfo(path).size() == 0)
        return QStringLiteral("文件长度为 0");
    QString detail;
    const DatabaseHealth::State state = DatabaseHealth::Check(path, &detail);
    DbConnection::ReleasePooled(QFileInfo(path).absolutePath());
    if (state == DatabaseHealth::State::Malformed)
        return detail.section(QLatin1Char('\n'), 0, 0); // the engine lists up to a hundred findings
    if (state == DatabaseHealth::State::Unknown)
        return complete ? (detail.isEmpty() ? QStringLiteral("无法检查") : detail)
                        : QString(); // in use or unreadable now: left alone
    QString flaw;
    {
        DbConnection connection;
        connection.Mode = ConnectMode::Read;
        try {
            connection.Open(path);
            const auto count = [&](const QString& sql) {
                Recordset rs;
                rs.Open(sql, connection);
                return rs.IsEOF() ? 0LL : rs.Value(0).toLongLong();
            };
            if (count(QStringLiteral("select count(*) from sqlite_master where type = 'table'")) == 0)
                flaw = QStringLiteral("没有任何表");
            for (const QString& table : Dictionaries()) {
                if (!flaw.isEmpty())
                    break;
                if (count(QStringLiteral(
                              "select count(*) from sqlite_master where type = 'table' and name = ") +
                          SqlText::Quoted(table) + QStringLiteral(" collate nocase")) == 0) {
                    if (complete)
                        flaw = QStringLiteral("缺少字典表 ") + table;
                } else if (count(QStringLiteral("select count(*) from ") + table) == 0) {
                    flaw = QStringLiteral("字典表 ") + table + QStringLiteral(" 是空的");
                }
            }
        } catch (const DatabaseError& e) {
            flaw = e.Message();
        }
    }
    DbConnection::ReleasePooled(QFileInfo(path).absolutePath());
    return flaw;
}

// An older own database gains the tables it lacks; a dictionary among them takes its rows
// from the package, as a restore would.
std::optional<StartUp::Notice> StartUp::Upgrade(const QString& database, const QString& package) const
{
    QStringList dictionaries;
    for (const QString& table : OwnDatabaseUpgrade::Apply(database))
        if (Dictionaries().contains(table, Qt::CaseInsensitive))
            dictionaries << table;
    if (dictionaries.isEmpty())
        return std::nullopt;
    const QString work =
        database + QStringLiteral(".restore-") + QString::number(QCoreApplication::applicationPid());
    QFile::remove(work);
    DatabaseHealth::Carried carried;
    const bool unpacked = FileIsPresent(package) && Unpack(package, work);
    if (unpacked)
        carried = DatabaseHealth::CarryRows(work, database, dictionaries);
    DbConnection::ReleasePooled(QFileInfo(database).absolutePath());
    QFile::remove(work);
    if (unpacked && carried.Problems.isEmpty())
        return std::nullopt;
    return Notice{QStringLiteral("自有数据库新建的字典表 ") + dictionaries.join(QStringLiteral("、")) +
                      QStringLiteral(" 未能从 tallix.she 填入，报表将缺少标题或栏目名") +
                      (carried.Problems.isEmpty()
                           ? QStringLiteral("！")
                           : QStringLiteral("：") + carried.Problems.join(QLatin1Char('\n'))),
                  NoticeTitle};
}

// --- The sequence ----------------------------------------------------------------------

std::optional<StartUp::Notice> StartUp::Run()
{
    RegisterReportDataSource();
    const QString folder = app_ + QLatin1String(Connection::OwnDatabaseFolder);
    const QString database = app_ + QLatin1String(Connection::OwnDatabasePath);
    const QString package = app_ + QLatin1String(Connection::PackagePath);
    const QString damaged = QStringLiteral("自有数据库 tallix.dbc 已损坏（");

    if (const QFileInfo own(folder); own.exists() && !own.isDir())
        return Notice{folder + QStringLiteral(" 不是文件夹，无法存放自有数据库！请移走或改名后重新启动。"),
                      NoticeTitle, true};
    RemoveAbandonedUnpacks(folder);
    if (FileIsPresent(database)) {
        ForgetPendingCarries();
        if (CheckDatabaseFolder(folder)) {
            damage_ = Flaw(database);
            if (damage_.isEmpty())
                return Upgrade(database, package);
            if (!FileIsPresent(package))
                return Notice{damaged + damage_ +
                                  QStringLiteral("），缺少统计系统文件 tallix.she，无法恢复！"),
                              NoticeTitle, true};
            if (!MoveAside(folder))
                return Notice{damaged + damage_ + QStringLiteral("），无法移开文件夹 ") + folder +
                                  QStringLiteral("！"),
                              NoticeTitle, true};
            malformed_ = true;
        }
    } else {
        backup_ = PendingBackup();
        resumed_ = !backup_.isEmpty();
    }
    QString moved; // what was done to the own database, said with whatever stops the restore
    if (malformed_)
        moved = damaged + damage_ + QStringLiteral("），已移至 ") + backup_ + QStringLiteral("；");
    else if (resumed_)
        moved = QStringLiteral("上次启动在恢复自有数据库时中断，存储的条件、地区与台帐配置仍在备份 ") +
                backup_ + QStringLiteral(" 中；");
    if (!FileIsPresent(package))
        return Notice{moved + QStringLiteral("缺少统计系统文件 tallix.she！"), NoticeTitle, !moved.isEmpty()};
    DbConnection::ReleasePooled(folder);
    DatabaseHealth::Carried carried;
    if (!Restore(package, database, carried))
        return Notice{moved + QStringLiteral("统计系统文件 tallix.she 格式不对！"), NoticeTitle,
                      !moved.isEmpty()};
    return Restored(carried);
}
