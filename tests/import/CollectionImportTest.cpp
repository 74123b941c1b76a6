// The importer on the special cases, the kept databases, the summary, and every failure
// leaving the current source database as it was.
#include "CollectionFolder.h"
#include "CollectionImport.h"
#include "DataSummary.h"
#include "ImportError.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

class CollectionImportTest : public ::testing::Test
{
protected:
    CollectionImportTest()
    {
        folder.Source(QStringLiteral("INSERT INTO Area VALUES ('990000', '旧数据')"));
        cases = QDir(work.path()).filePath(QStringLiteral("cases"));
        CollectionFolder::Cases(cases);
    }

    QString Database() const { return QDir(folder.Path()).filePath(QStringLiteral("Database")); }

    // Runs the import, expecting it to fail with a message containing text, and proves that
    // stat.dbc is byte for byte what it was and nothing is left behind.
    void ExpectRefused(const QString& from, const QString& text, ImportError::Kind kind = ImportError::Kind::BadInput,
                       const std::atomic<bool>* cancel = nullptr)
    {
        const QByteArray before = FileBytes(folder.SourceDatabase());
        const QStringList files = QDir(Database()).entryList(QDir::Files);
        CollectionImport import(folder.Path());
        import.Cancel = cancel;
        try {
            import.Run(from);
            ADD_FAILURE() << "accepted " << from.toStdString();
        } catch (const ImportError& e) {
            EXPECT_TRUE(e.Message().contains(text)) << e.Message().toStdString();
            EXPECT_EQ(e.What(), kind) << e.Message().toStdString();
        }
        EXPECT_EQ(FileBytes(folder.SourceDatabase()), before);
        EXPECT_EQ(QDir(Database()).entryList(QDir::Files), files);
    }

    TempAppFolder folder;
    QTemporaryDir work;
    QString cases;
};

TEST_F(CollectionImportTest, CasesArriveAsTheReportsReadThem)
{
    CollectionImport import(folder.Path());
    import.Run(cases);
    EXPECT_EQ(import.RecordsRead(), 4 + 3 + 4 + 3); // Base01, Base06, Area (deleted ones too), Base09; not Base99
    // long names from the container, the deleted copy skipped, NULL by the flags, a blank date
    // NULL, the memo with its line break, an apostrophe in GBK text
    EXPECT_EQ(folder.SourceRows(QStringLiteral(
                  "SELECT code, unitname, regionalismcode, RegistrationType, Rooms, Beds, AccommodationStar, OpenDate,"
                  " RemarkOfTheUnit, TravelAgencyType, UnitType FROM Base01 ORDER BY rowid")),
              (QStringList{"B1001\t湘江's 大饭店\t430102\t110\t120\t200\t3\t1998-05-01\t第一行\n第二行\t<null>\t<null>",
                           "B1002\t无日期宾馆\t430102\t120\t<null>\t<null>\t2\t<null>\t<null>\t<null>\t<null>",
                           "B2003\tZhuzhou's 客栈\t430211\t130\t30\t45\t0\t2010-08-08\t\t<null>\t<null>"}));
    // T with its time of day, Y to four places
    EXPECT_EQ(folder.SourceRows(QStringLiteral(
                  "SELECT code, TableDate, FixAssetsInitialPrice, OperationIncome, ProfitTotal, YearendEmployment,"
                  " AccumulatedDepreciation FROM Base06")),
              (QStringList{"B1001\t2025-12-31 00:00:00\t1234.5678\t-1e-04\t2.5\t100.5\t<null>",
                           "B2003\t2024-02-29 00:00:00\t0\t12\t<null>\t<null>\t<null>"}));
    // a varchar shorter than its field, one as long as its field, one NULL
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT code, SERVICENOT FROM Base09")),
              (QStringList{"E1\t短", "E2\t8 chars!", "E3\t<null>"}));
    // the old-format free table, text compared without trailing blanks
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT Areaname FROM Area WHERE Areacode = '430200 '")),
              QStringList{"Zhuzhou's 市"});
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT typeof(Rooms), typeof(unitname) FROM Base01 LIMIT 1")),
              QStringList{"real\ttext"});
    // the schema's indexes and the planner's statistics
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT COUNT(*) FROM sqlite_schema WHERE name = 'Base05_code_Year_Month'")),
              QStringList{"1"});
    EXPECT_FALSE(folder.SourceRows(QStringLiteral("SELECT * FROM sqlite_stat1 WHERE tbl = 'Base01'")).isEmpty());

    const QString text = DataSummary::Of(folder.SourceDatabase()).Text();
    for (const char* line : {"Base01\tBASE01.DBF\t3\t1\t3\t-\t-", "Base06\tbase06.dbf\t2\t1\t2\t2024-02-29 00:00:00\t2025-12-31 00:00:00",
                             "Base05\t-\t0\t-\t0\t-\t-\t文件夹中没有这张表", "报表不使用、未导入的表：Base99.dbf",
                             "R01 地区码为空或不在 Area 中：3 条（B1001，B1002，B2003）"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
}

// Two long names cut to the same ten characters, numbered by the writer, arrive each in its
// own column; times of day arrive rounded to the second.
TEST_F(CollectionImportTest, NumberedNamesAndTimesArriveByPosition)
{
    const QString formats = QDir(work.path()).filePath(QStringLiteral("formats"));
    CollectionFolder::Formats(formats);
    CollectionImport import(folder.Path());
    import.Run(formats);
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT code, TableDate, contact_type_id, contact_type, OperationIncome,"
                                               " YEAR(TableDate), MONTH(TableDate) FROM Base08 ORDER BY rowid")),
              (QStringList{"C1001\t2006-04-20 17:13:05\t7\tphone\t12.5\t2006\t4",
                           "C1002\t2026-01-01 00:00:00\t8\tmail\t<null>\t2026\t1",
                           "C1003\t2025-06-30 08:00:01\t<null>\t<null>\t3\t2025\t6"}));
}

TEST_F(CollectionImportTest, KeepsTheThreeNewestDatabases)
{
    const QByteArray first = FileBytes(folder.SourceDatabase());
    // older backups by name; the oldest falls out when a fourth arrives
    for (const char* name : {"stat-20200101-000000.dbc", "stat-20210101-000000.dbc", "stat-20220101-000000.dbc"}) {
        QFile file(QDir(Database()).filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    CollectionImport import(folder.Path());
    import.Run(cases);
    EXPECT_EQ(FileBytes(import.Kept()), first);
    const QStringList kept = CollectionImport::Backups(Database());
    EXPECT_EQ(kept.size(), 3);
    EXPECT_EQ(kept.value(0), QFileInfo(import.Kept()).fileName());
    EXPECT_EQ(kept.value(2), QStringLiteral("stat-20210101-000000.dbc"));
    EXPECT_EQ(folder.SourceRows(QStringLiteral("SELECT COUNT(*) FROM Base01")), QStringList{"3"});
}

TEST_F(CollectionImportTest, FailuresLeaveTheDatabaseAsItWas)
{
    ExpectRefused(QDir(work.path()).filePath(QStringLiteral("nowhere")), QStringLiteral("找不到文件夹"),
                  ImportError::Kind::NoTables);
    QDir(work.path()).mkdir(QStringLiteral("empty"));
    ExpectRefused(QDir(work.path()).filePath(QStringLiteral("empty")), QStringLiteral("没有采集系统的数据表"),
                  ImportError::Kind::NoTables);

    TempAppFolder sample;
    sample.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省');"
                                 "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('B1', '甲', '430102'),"
                                 " ('B2', '乙', '430102'), ('B3', '丙', '430102');"
                                 "INSERT INTO Base05 (code, TableDate, InTourist) VALUES ('B1', '2025-01-01', 1),"
                                 " ('B2', '2025-01-01', 2), ('B3', '2025-01-01', 3);"
                                 "INSERT INTO dic_base04 VALUES ('一', 'a'), ('二', 'b'), ('三', 'c')"));
    const struct
    {
        const char* damage;
        const char* message;
    } damages[] = {
        {"short", "BASE05.DBF：文件比表头所说的短"},
        {"record-length", "Base01.dbf：记录长度"},
        {"memo", "dic_base04.dbf，第 3 条记录，字段 FIELDNAME：备注块 2147483632 超出备注文件"},
        {"text", "Base01.dbf，第 3 条记录，字段 UNITNAME：文字无法按 GBK 解码"},
    };
    for (const auto& d : damages) {
        SCOPED_TRACE(d.damage);
        const QString spoilt = QDir(work.path()).filePath(QLatin1String(d.damage));
        CollectionFolder::Export(sample.SourceDatabase(), spoilt);
        CollectionFolder::Damage(QLatin1String(d.damage), spoilt);
        ExpectRefused(spoilt, QString::fromUtf8(d.message));
    }

    std::atomic<bool> cancel{true};
    ExpectRefused(cases, QStringLiteral("导入已取消"), ImportError::Kind::Cancelled, &cancel);

    // A full disk: the file may grow no further than a few pages.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    ExpectRefused(cases, QStringLiteral("stat.dbc.importing"), ImportError::Kind::Io);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
}

} // namespace
