#include "Connection.h"
#include "DataSourceRegistry.h"
#include "DbConnection.h"
#include "PackageArchive.h"
#include "Schema.h"
#include "StartUp.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An application folder as the build lays it out, before the first start.
class StartUpTest : public ::testing::Test
{
protected:
    TempAppFolder app{TempAppFolder::Content::Empty};

    QString Folder() const { return app.Path() + QStringLiteral("/TallixDataBase"); }
    QString Database() const { return app.OwnDatabase(); }

    void CopyPackage() const
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_PACKAGE_FILE), app.Path() + QStringLiteral("/tallix.she")));
    }
    void Restore() const { ASSERT_FALSE(StartUp(app.Path()).Run()); }

    // A file that brings the folder to exactly `total` bytes (sparse: costs no disk).
    void FillFolderTo(std::int64_t total) const
    {
        const std::int64_t now = StartUp::FolderSize(Folder());
        QFile filler(Folder() + QStringLiteral("/filler.bin"));
        ASSERT_TRUE(filler.open(QIODevice::ReadWrite));
        ASSERT_TRUE(filler.resize(filler.size() + total - now));
    }
    void SaveSomething() const
    {
        Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO namesave VALUES('常用地区')"));
        Connection::ExecuteTallixSql(
            QStringLiteral("INSERT INTO Condition (Year, conditionname) VALUES('2025', '五星饭店')"));
        Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO Aca (condition, shu) VALUES('台帐一', '按本期数值')"));
        Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO type22 (value1) VALUES('旧报表')"));
        Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO AuditThreshold VALUES('MonthlyChange', 0.3)"));
    }
    // A restored database with saved rows in a folder of `total` bytes.
    void SavedFolderOf(std::int64_t total) const
    {
        CopyPackage();
        Restore();
        SaveSomething();
        DbConnection::ReleasePooled(Folder());
        FillFolderTo(total);
    }
    QStringList Backups() const
    {
        return QDir(app.Path()).entryList({QStringLiteral("TallixDataBase-backup-*")}, QDir::Dirs);
    }
};

TEST_F(StartUpTest, FirstStartRestoresFromThePackage)
{
    CopyPackage();
    Restore();
    EXPECT_TRUE(StartUp::FileIsPresent(Database()));
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT count(*) FROM dic_tablename")), QStringList{"23"});
}

TEST_F(StartUpTest, IntactSmallFolderIsLeftAlone)
{
    CopyPackage();
    Restore();
    SaveSomething();
    QFile::remove(app.Path() + QStringLiteral("/tallix.she")); // not even needed any more
    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"常用地区"});
}

TEST_F(StartUpTest, ExactlyAtTheThresholdIsKept)
{
    SavedFolderOf(StartUp::DefaultThreshold);
    EXPECT_EQ(StartUp::FolderSize(Folder()), StartUp::DefaultThreshold);
    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_TRUE(Backups().isEmpty());
    EXPECT_TRUE(QFile::exists(Folder() + QStringLiteral("/filler.bin")));
}

TEST_F(StartUpTest, OverTheThresholdIsMovedAsideAndSavedRowsSurvive)
{
    SavedFolderOf(StartUp::DefaultThreshold + 1);
    StartUp startUp(app.Path());
    EXPECT_FALSE(startUp.Run());
    ASSERT_EQ(Backups().size(), 1);
    EXPECT_EQ(startUp.BackupFolder(), app.Path() + QLatin1Char('/') + Backups().first());
    EXPECT_FALSE(QFile::exists(Folder() + QStringLiteral("/filler.bin")));
    // saved conditions, region sets and ledger configurations come back; results do not
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"常用地区"});
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT conditionname FROM Condition")), QStringList{"五星饭店"});
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT condition FROM Aca")), QStringList{"台帐一"});
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT Value FROM AuditThreshold")), QStringList{"0.3"});
    EXPECT_TRUE(app.OwnRows(QStringLiteral("SELECT * FROM type22")).isEmpty());
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT count(*) FROM dic_fields")).first().toInt() > 0, true);
}

// The backup of a version without the audit's limits has none to carry, and that is no fault.
TEST_F(StartUpTest, OverTheThresholdAnOlderDatabaseIsRestoredWithoutANotice)
{
    CopyPackage();
    Restore();
    SaveSomething();
    app.Own(QStringLiteral("DROP TABLE AuditThreshold"));
    DbConnection::ReleasePooled(Folder());
    FillFolderTo(StartUp::DefaultThreshold + 1);
    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"常用地区"});
    EXPECT_TRUE(app.OwnRows(QStringLiteral("SELECT * FROM AuditThreshold")).isEmpty());
}

TEST_F(StartUpTest, CompactingThatSufficesKeepsTheFolder)
{
    CopyPackage();
    Restore();
    SaveSomething();
    // A large value deleted again leaves free pages that only compaction gives back.
    Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO type66 (value1) VALUES (hex(zeroblob(400000)))"));
    Connection::ExecuteTallixSql(QStringLiteral("DELETE FROM type66"));
    DbConnection::ReleasePooled(Folder());
    const std::int64_t bloated = StartUp::FolderSize(Folder());
    ASSERT_GT(bloated, 800000);
    StartUp startUp(app.Path(), 500000);
    EXPECT_FALSE(startUp.Run());
    EXPECT_TRUE(Backups().isEmpty());
    EXPECT_LT(StartUp::FolderSize(Folder()), 500000);
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"常用地区"});
}

TEST_F(StartUpTest, FolderWithoutContainerIsFilledNotDeleted)
{
    CopyPackage();
    QDir().mkpath(Folder());
    QFile keep(Folder() + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    Restore();
    EXPECT_TRUE(StartUp::FileIsPresent(Database()));
    EXPECT_TRUE(QFile::exists(Folder() + QStringLiteral("/notes.txt")));
}

TEST_F(StartUpTest, MissingPackageIsReportedAndNothingUnpacked)
{
    DataSourceRegistry::Clear();
    const auto notice = StartUp(app.Path()).Run();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->Text, QStringLiteral("缺少统计系统文件 tallix.she！"));
    EXPECT_EQ(notice->Title, QStringLiteral("台帐系统提示"));
    EXPECT_FALSE(QDir(Folder()).exists());
    // the data source is registered also when the start-up then fails
    EXPECT_EQ(DataSourceRegistry::Attribute(QStringLiteral("tallix"), QStringLiteral("SourceDB")),
              app.Path() + QStringLiteral("/TallixDataBase/tallix.dbc"));
}

TEST_F(StartUpTest, PackageWithoutContainerIsReported)
{
    QFile other(app.Path() + QStringLiteral("/readme.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a database");
    other.close();
    ASSERT_TRUE(PackageArchive::Pack(app.Path() + QStringLiteral("/tallix.she"), other.fileName()));
    const auto notice = StartUp(app.Path()).Run();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->Text, QStringLiteral("统计系统文件 tallix.she 格式不对！"));
}

TEST_F(StartUpTest, OverTheThresholdWithoutPackageKeepsTheData)
{
    SavedFolderOf(StartUp::DefaultThreshold + 1);
    QFile::remove(app.Path() + QStringLiteral("/tallix.she"));
    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_TRUE(Backups().isEmpty());
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"常用地区"});
}

// A damaged own database is found at the next start, moved aside and restored, with the
// saved rows it still yields; the notice says what happened.
struct Damage
{
    const char* name;
    std::function<void(const QString& database)> inflict;
    int carried; // saved rows found again
};

class DamagedDatabaseTest : public StartUpTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(DamagedDatabaseTest, IsMovedAsideAndRestoredWithWhatItStillYields)
{
    CopyPackage();
    Restore();
    SaveSomething();
    DbConnection::ReleasePooled(Folder());
    GetParam().inflict(Database());

    StartUp startUp(app.Path());
    const auto notice = startUp.Run();
    ASSERT_TRUE(notice);
    ASSERT_EQ(Backups().size(), 1);
    EXPECT_EQ(startUp.BackupFolder(), app.Path() + QLatin1Char('/') + Backups()[0]);
    EXPECT_EQ(notice->Title, QStringLiteral("台帐系统提示"));
    EXPECT_TRUE(notice->Text.startsWith(QStringLiteral("自有数据库 tallix.dbc 已损坏（"))) << notice->Text.toStdString();
    EXPECT_TRUE(notice->Text.contains(QStringLiteral("），已移至 ") + startUp.BackupFolder() +
                                      QStringLiteral("，并从 tallix.she 恢复；存储的条件、地区、台帐配置与审核限值找回 ") +
                                      QString::number(GetParam().carried) + QStringLiteral(" 行")))
        << notice->Text.toStdString();
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT count(*) FROM dic_tablename")), QStringList{"23"});
    EXPECT_EQ(app.OwnRows(QStringLiteral("SELECT savename FROM namesave UNION ALL SELECT conditionname FROM "
                                         "Condition UNION ALL SELECT condition FROM Aca")),
              GetParam().carried ? QStringList({"常用地区", "五星饭店", "台帐一"}) : QStringList());
    EXPECT_TRUE(app.OwnRows(QStringLiteral("SELECT * FROM type22")).isEmpty()); // results are not carried
    // the restored database passes the next start's check
    DbConnection::ReleasePooled(app.Path());
    EXPECT_FALSE(StartUp(app.Path()).Run());
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, DamagedDatabaseTest, ::testing::Values(
    Damage{"NotADatabase", [](const QString& db) { Overwrite(db, 0, QByteArray(100, 'x')); }, 0},
    // what a restore killed by an earlier version left: the schema itself is cut off
    Damage{"CutShort", [](const QString& db) { QFile(db).resize(QFile(db).size() - 8192); }, 0},
    Damage{"ResultPageOverwritten",
           [](const QString& db) {
               const int page = QueryRows(db, QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'type55'"))
                                    .value(0).toInt();
               DbConnection::ReleasePooled();
               Overwrite(db, (page - 1) * 4096LL, QByteArray(4096, '\x7f'));
           }, 4}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(StartUpTest, DamagedDatabaseWithoutPackageIsKeptAndReported)
{
    CopyPackage();
    Restore();
    DbConnection::ReleasePooled(Folder());
    QFile::remove(app.Path() + QStringLiteral("/tallix.she"));
    Overwrite(Database(), 0, QByteArray(100, 'x'));
    const auto notice = StartUp(app.Path()).Run();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->Text.endsWith(QStringLiteral("），缺少统计系统文件 tallix.she，无法恢复！")));
    EXPECT_TRUE(Backups().isEmpty());
    EXPECT_TRUE(StartUp::FileIsPresent(Database()));
}

// A package whose database does not pass the check is never put in place.
TEST_F(StartUpTest, PackageWithDamagedContainerLeavesNoDatabase)
{
    QFile dbc(app.Path() + QStringLiteral("/tallix.dbc"));
    ASSERT_TRUE(dbc.open(QIODevice::WriteOnly));
    dbc.write(QByteArray(8192, 'x'));
    dbc.close();
    ASSERT_TRUE(PackageArchive::Pack(app.Path() + QStringLiteral("/tallix.she"), dbc.fileName()));
    const auto notice = StartUp(app.Path()).Run();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->Text, QStringLiteral("统计系统文件 tallix.she 格式不对！"));
    EXPECT_FALSE(StartUp::FileIsPresent(Database()));
    EXPECT_TRUE(QDir(Folder()).entryList(QDir::Files).isEmpty());
}

// A database of the version before the run record: start-up adds the table as the package
// defines it and every saved row stays, the result rows too.
TEST_F(StartUpTest, OlderDatabaseGainsTheRunTableAndKeepsItsRows)
{
    CopyPackage();
    Restore();
    const QString columns = QStringLiteral("SELECT name, type FROM pragma_table_info('ReportRun')");
    const QStringList packaged = app.OwnRows(columns);
    ASSERT_FALSE(packaged.isEmpty());
    SaveSomething();
    app.Own(QStringLiteral("DROP TABLE ReportRun"));
    const QStringList before = app.OwnRows(QStringLiteral("SELECT name FROM sqlite_master ORDER BY name"));

    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_EQ(app.OwnRows(columns), packaged);
    for (const char* query : {"SELECT savename FROM namesave", "SELECT conditionname FROM Condition",
                              "SELECT condition FROM Aca", "SELECT value1 FROM type22"})
        EXPECT_EQ(app.OwnRows(QLatin1String(query)).size(), 1) << query;
    QStringList after = app.OwnRows(QStringLiteral("SELECT name FROM sqlite_master ORDER BY name"));
    after.removeOne(QStringLiteral("ReportRun"));
    EXPECT_EQ(after, before);
    // A second start finds nothing missing.
    EXPECT_FALSE(StartUp(app.Path()).Run());
    EXPECT_EQ(app.OwnRows(columns), packaged);
}

} // namespace
