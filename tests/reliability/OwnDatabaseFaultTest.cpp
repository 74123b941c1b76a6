// The own database at start-up: a start killed at any step of moving it aside, restoring it
// and carrying the saved rows over is completed by the next one; a database that is empty,
// schema-less or without its dictionaries is restored as a damaged one; with nothing to
// restore from, no command writes into it.
#include "DbConnection.h"
#include "ReportFolder.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList SaveSomething = {
    QStringLiteral("INSERT INTO namesave VALUES('常用地区')"),
    QStringLiteral("INSERT INTO Condition (Year, conditionname) VALUES('2025', '五星饭店')"),
    QStringLiteral("INSERT INTO Aca (condition, shu) VALUES('台帐一', '按本期数值')"),
};

QStringList Backups(const ReportFolder& folder)
{
    return QDir(folder.Path()).entryList({QStringLiteral("TallixDataBase-backup-*")}, QDir::Dirs);
}

int Dictionary(const ReportFolder& folder, const char* table)
{
    const QStringList rows =
        QueryRows(folder.OwnDatabase(), QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table));
    DbConnection::ReleasePooled(folder.Path());
    return rows.value(0).toInt();
}

// A folder over the size limit is moved aside and restored, its saved rows carried: killed
// at each step, the next start ends with every saved row and names the backup when it had to
// finish the work.
TEST(OwnDatabaseFault, AStartKilledAtAnyStepLosesNoSavedRow)
{
    for (const char* step : {"startup-moved-aside", "startup-unpacked", "startup-carried"}) {
        SCOPED_TRACE(step);
        ReportFolder folder;
        ASSERT_EQ(folder.Run({"rows"}).Status, 0);
        for (const QString& sql : SaveSomething)
            folder.Own(sql);
        const QStringList saved = folder.Saved();
        QFile filler(folder.Path() + QStringLiteral("/TallixDataBase/filler.bin"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        ASSERT_TRUE(filler.resize(100000001)); // sparse: costs no disk
        filler.close();

        auto start = folder.StartPaused({"rows", "--report", "1-1"}, step);
        ASSERT_TRUE(AwaitPaused(*start));
        ASSERT_TRUE(Kill(*start));
        ASSERT_EQ(Backups(folder).size(), 1);

        const auto next = folder.Run({"rows", "--report", "1-1"});
        EXPECT_EQ(next.Status, 0) << next.Err.toStdString();
        EXPECT_EQ(folder.Saved(), saved);
        EXPECT_EQ(Dictionary(folder, "dic_tablename"), 23);
        EXPECT_TRUE(next.Err.contains(folder.Path() + QLatin1Char('/') + Backups(folder)[0]))
            << next.Err.toStdString();
        EXPECT_EQ(QDir(folder.Path() + QStringLiteral("/TallixDataBase"))
                      .entryList({QStringLiteral("*.restore-*")}),
                  QStringList());
        // and the start after that finds nothing to do
        const auto third = folder.Run({"rows", "--report", "1-1"});
        EXPECT_EQ(third.Err, QString());
        EXPECT_EQ(folder.Saved(), saved);
    }
}

// What no check of the engine finds: nothing in the file, no tables, a dictionary emptied.
TEST(OwnDatabaseFault, AnEmptyOrHollowDatabaseIsRestored)
{
    const struct
    {
        const char* name;
        std::function<void(const ReportFolder&)> spoil;
        const char* reason;
    } cases[] = {
        {"zero bytes", [](const ReportFolder& f) { ASSERT_TRUE(QFile(f.OwnDatabase()).resize(0)); },
         "文件长度为 0"},
        {"no tables",
         [](const ReportFolder& f) {
             for (const char* suffix : {"-wal", "-shm"})
                 QFile::remove(f.OwnDatabase() + QLatin1String(suffix));
             ASSERT_TRUE(QFile(f.OwnDatabase()).resize(0));
             f.Own(QStringLiteral("PRAGMA user_version = 7")); // a database file, with nothing in it
         },
         "没有任何表"},
        {"dictionary emptied", [](const ReportFolder& f) { f.Own(QStringLiteral("DELETE FROM dic_fields")); },
         "字典表 dic_fields 是空的"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFolder folder;
        ASSERT_EQ(folder.Run({"rows"}).Status, 0);
        const int fields = Dictionary(folder, "dic_fields");
        c.spoil(folder);
        DbConnection::ReleasePooled(folder.Path());
        const auto run = folder.Run(ReportFolder::HotelRun());
        EXPECT_EQ(run.Status, 0);
        EXPECT_TRUE(run.Err.startsWith(QStringLiteral("自有数据库 tallix.dbc 已损坏（") +
                                       QString::fromUtf8(c.reason)))
            << run.Err.toStdString();
        EXPECT_EQ(Dictionary(folder, "dic_tablename"), 23);
        EXPECT_EQ(Dictionary(folder, "dic_fields"), fields);
    }
}

// An own database of a version before a dictionary table: the upgrade creates it and fills it
// from the package, every saved row stays.
TEST(OwnDatabaseFault, AnOlderSchemaGainsItsDictionaryWithRows)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run({"rows"}).Status, 0);
    const int fields = Dictionary(folder, "dic_fields");
    for (const QString& sql : SaveSomething)
        folder.Own(sql);
    folder.Own(QStringLiteral("DROP TABLE dic_fields"));
    const QStringList saved = folder.Saved();
    const auto run = folder.Run({"rows", "--report", "1-1"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, QString());
    EXPECT_EQ(Dictionary(folder, "dic_fields"), fields);
    EXPECT_EQ(folder.Saved(), saved);
    EXPECT_TRUE(Backups(folder).isEmpty());
}

// Nothing sound to restore from, or no folder to put a database in: the command does not run.
TEST(OwnDatabaseFault, WithoutAUsablePackageNoCommandWritesIntoADamagedDatabase)
{
    const struct
    {
        const char* name;
        std::function<void(const ReportFolder&)> spoil;
        const char* says;
    } cases[] = {
        {"package missing",
         [](const ReportFolder& f) {
             QFile::remove(f.Path() + QStringLiteral("/tallix.she"));
             ASSERT_TRUE(QFile(f.OwnDatabase()).resize(0));
         },
         "缺少统计系统文件 tallix.she，无法恢复！"},
        {"package damaged",
         [](const ReportFolder& f) {
             QFile package(f.Path() + QStringLiteral("/tallix.she"));
             ASSERT_TRUE(package.resize(package.size() / 2));
             ASSERT_TRUE(QFile(f.OwnDatabase()).resize(0));
         },
         "统计系统文件 tallix.she 格式不对！"},
        {"own folder is a file",
         [](const ReportFolder& f) {
             QDir(f.Path() + QStringLiteral("/TallixDataBase")).removeRecursively();
             QFile file(f.Path() + QStringLiteral("/TallixDataBase"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         "TallixDataBase 不是文件夹"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFolder folder;
        ASSERT_EQ(folder.Run({"rows"}).Status, 0);
        DbConnection::ReleasePooled(folder.Path());
        c.spoil(folder);
        const auto run = folder.Run(ReportFolder::HotelRun());
        EXPECT_EQ(run.Status, 1);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.says))) << run.Err.toStdString();
    }
}

// An application folder whose path holds ";" is opened by that path: the own database and
// the source database stay two files, each where it belongs.
TEST(OddInput, AFolderNamedWithASemicolonIsOpenedByItsPath)
{
    QTemporaryDir parent;
    ASSERT_TRUE(QDir(parent.path()).mkpath(QStringLiteral("a;SourceDB=b")));
    const ReportFolder folder(parent.path() + QStringLiteral("/a;SourceDB=b"));
    const auto run = folder.Run(ReportFolder::HotelRun());
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_FALSE(folder.Tables().isEmpty());
    EXPECT_EQ(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"a;SourceDB=b"});
}

// A column missing in the item's own table is reported under that table.
TEST(OddInput, AMissingColumnIsNamedUnderItsOwnTable)
{
    ReportFolder folder;
    const auto run = folder.Run({"ledger", "--year", "2025", "--month", "12", "--unit", "accommodation",
                                 "--mode", "current", "--region", "43", "--item", "Area:Areacode"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.startsWith(QStringLiteral("数据库错误：源数据库的表 Area 缺少字段 code")))
        << run.Err.toStdString();
}

} // namespace
