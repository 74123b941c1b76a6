// An import from outside: beside another import or a run, stopped by a signal, fed special
// files or a memo that many records share. stat.dbc is the old database or the new one, whole,
// and no run reads a mixture.
#include "CollectionFolder.h"
#include "DbConnection.h"
#include "ReportFolder.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString SampleSource = QStringLiteral(ORVANE_APP_DIR "/Database/stat.dbc");

// The sample written out as the collection system's folder, once; a second one whose region
// names and returns differ, so that a report shows which database it came from.
class ImportFault : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        work_ = new QTemporaryDir;
        CollectionFolder::Export(SampleSource, Same());
        const QString changed = work_->filePath(QStringLiteral("changed.dbc"));
        ASSERT_TRUE(QFile::copy(SampleSource, changed));
        QFile::setPermissions(changed, QFile::ReadOwner | QFile::WriteOwner);
        {
            DbConnection db;
            db.Open(changed);
            db.Execute(QStringLiteral("UPDATE Area SET Areaname = Areaname || '（新）'"));
            db.Execute(QStringLiteral("UPDATE Base05 SET InTourist = InTourist + 7"));
        }
        DbConnection::ReleasePooled(work_->path());
        CollectionFolder::Export(changed, Changed());
    }
    static void TearDownTestSuite()
    {
        delete work_;
        work_ = nullptr;
    }
    static QString Same() { return work_->filePath(QStringLiteral("same")); }
    static QString Changed() { return work_->filePath(QStringLiteral("changed")); }

    static QStringList Import(const QString& from) { return {"import", "--from", from}; }

    static QStringList Leftovers(const ReportFolder& folder)
    {
        return QDir(folder.Path() + QStringLiteral("/Database")).entryList({QStringLiteral("*.importing*")});
    }
    static QString SourceCheck(const ReportFolder& folder)
    {
        const QString rows = QueryRows(folder.Path() + QStringLiteral("/Database/stat.dbc"),
                                       QStringLiteral("PRAGMA integrity_check"))
                                 .join(QLatin1Char(' '));
        DbConnection::ReleasePooled(folder.Path());
        return rows;
    }

    static QTemporaryDir* work_;
};

QTemporaryDir* ImportFault::work_ = nullptr;

// Reads standard error until it holds the text or the process ends.
bool AwaitMessage(QProcess& process, const QString& text, QString& seen)
{
    return AwaitWhileRunning(process, [&] {
        process.waitForReadyRead(20);
        seen += QString::fromUtf8(process.readAllStandardError());
        return seen.contains(text);
    });
}

TEST_F(ImportFault, TwoImportsAtOnceEachSwapInAWholeDatabase)
{
    ReportFolder folder;
    auto first = folder.StartPaused(Import(Same()), "import-swap");
    ASSERT_TRUE(AwaitPaused(*first));
    auto second = folder.Start(Import(Changed()));
    QString seen;
    EXPECT_TRUE(AwaitMessage(*second, QStringLiteral("等待另一个分析或导入结束"), seen))
        << seen.toStdString();
    Continue(*first);
    for (QProcess* import : {first.get(), second.get()}) {
        const auto result = ReportFolder::Finish(*import);
        EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    }
    EXPECT_EQ(SourceCheck(folder), QStringLiteral("ok"));
    EXPECT_EQ(Leftovers(folder), QStringList());
    // the second came last: its region names are the ones in place
    EXPECT_EQ(QueryRows(folder.Path() + QStringLiteral("/Database/stat.dbc"),
                        QStringLiteral("SELECT count(*) FROM Area WHERE Areaname NOT LIKE '%（新）'")),
              QStringList{"0"});
    DbConnection::ReleasePooled(folder.Path());
    // two backups, two different files
    const QDir database(folder.Path() + QStringLiteral("/Database"));
    const QStringList backups = database.entryList({QStringLiteral("stat-*.dbc")});
    ASSERT_EQ(backups.size(), 2);
    struct stat a
    {
    }, b{};
    ASSERT_EQ(::lstat(QFile::encodeName(database.filePath(backups[0])).constData(), &a), 0);
    ASSERT_EQ(::lstat(QFile::encodeName(database.filePath(backups[1])).constData(), &b), 0);
    EXPECT_NE(a.st_ino, b.st_ino);
}

// An import killed between keeping the old database and swapping in the new one: the next
// import keeps that same file once, not twice, and finds nothing else left over.
TEST_F(ImportFault, AKillBeforeTheSwapLeavesOneBackupOfTheOldDatabase)
{
    ReportFolder folder;
    auto killed = folder.StartPaused(Import(Same()), "import-swap");
    ASSERT_TRUE(AwaitPaused(*killed));
    ASSERT_TRUE(Kill(*killed));
    EXPECT_EQ(SourceCheck(folder), QStringLiteral("ok"));
    EXPECT_EQ(folder.Run(Import(Changed())).Status, 0);
    EXPECT_EQ(
        QDir(folder.Path() + QStringLiteral("/Database")).entryList({QStringLiteral("stat-*.dbc")}).size(),
        1);
    EXPECT_EQ(Leftovers(folder), QStringList());
}

// A run started while an import holds the lock waits, then reads the new database alone:
// its region names and its sums come from the same file.
TEST_F(ImportFault, ARunBesideAnImportReadsOneDatabase)
{
    for (const char* step : {"import-locked", "import-reading", "import-swap"}) {
        SCOPED_TRACE(step);
        ReportFolder folder;
        ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
        const QString old = folder.Tables();
        auto import = folder.StartPaused(Import(Changed()), step);
        ASSERT_TRUE(AwaitPaused(*import));
        auto run = folder.StartPaused(ReportFolder::HotelRun(), "lock-waiting");
        ASSERT_TRUE(AwaitPaused(*run)); // waits for the lock
        Continue(*run);
        Continue(*import);
        EXPECT_EQ(ReportFolder::Finish(*import).Status, 0);
        const auto result = ReportFolder::Finish(*run);
        EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
        const QString during = folder.Tables();
        ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
        EXPECT_EQ(during, folder.Tables()) << "the run read a mixture";
        EXPECT_NE(during, old);
    }
}

// SIGINT and SIGTERM cancel an import wherever it is, as 取消 does.
TEST_F(ImportFault, SignalsCancelTheImportAndLeaveTheOldDatabase)
{
    const struct
    {
        int signal;
        const char* step;
    } cases[] = {{SIGINT, "import-locked"},
                 {SIGTERM, "import-reading"},
                 {SIGINT, "import-swap"},
                 {SIGTERM, "import-swap"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.step) + " " + std::to_string(c.signal));
        ReportFolder folder;
        const QString source = folder.Path() + QStringLiteral("/Database/stat.dbc");
        const QString before = QFileInfo(source).symLinkTarget();
        auto import = folder.StartPaused(Import(Changed()), c.step);
        ASSERT_TRUE(AwaitPaused(*import));
        ::kill(static_cast<pid_t>(import->processId()), c.signal);
        Continue(*import);
        const auto result = ReportFolder::Finish(*import);
        EXPECT_EQ(result.Status, 130);
        EXPECT_TRUE(result.Err.endsWith(QStringLiteral("导入已取消，原数据库未改动")))
            << result.Err.toStdString();
        EXPECT_EQ(QFileInfo(source).symLinkTarget(), before);
        EXPECT_EQ(Leftovers(folder), QStringList());
        EXPECT_EQ(QDir(folder.Path() + QStringLiteral("/Database")).entryList({QStringLiteral("stat-*")}),
                  QStringList());
    }
}

// A table of the dictionary kind whose memo field points, in every record, at one memo.
void SharedMemoTable(const QString& folder, int records, qint64 memoLength, bool sparse = false)
{
    QDir().mkpath(folder);
    const QByteArray header = [&] {
        QByteArray h(32, '\0');
        h[0] = 0x30;
        const quint32 count = static_cast<quint32>(records);
        const quint16 headerLength = 32 + 2 * 32 + 1 + 263;
        const quint16 recordLength = 1 + 10 + 4;
        memcpy(h.data() + 4, &count, 4);
        memcpy(h.data() + 8, &headerLength, 2);
        memcpy(h.data() + 10, &recordLength, 2);
        h[29] = 0x7A; // GBK
        const auto field = [](const char* name, char type, quint32 offset, quint8 length) {
            QByteArray f(32, '\0');
            memcpy(f.data(), name, strlen(name));
            f[11] = type;
            memcpy(f.data() + 12, &offset, 4);
            f[16] = static_cast<char>(length);
            return f;
        };
        return h + field("CONTENT", 'C', 1, 10) + field("FIELDNAME", 'M', 11, 4) + '\r' +
               QByteArray(263, '\0');
    }();
    QByteArray rows;
    const quint32 block = 8; // 512 / 64: the first block after the memo file's header
    for (int i = 0; i < records; ++i)
        rows += ' ' + QByteArray("content").leftJustified(10, ' ') +
                QByteArray(reinterpret_cast<const char*>(&block), 4);
    QFile table(folder + QStringLiteral("/dic_base04.dbf"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(header + rows + '\x1a');
    table.close();

    QByteArray memoHeader(512, '\0');
    memoHeader[7] = 64; // block size, big-endian
    QByteArray memo = memoHeader + QByteArray::fromHex("00000001");
    for (int shift = 24; shift >= 0; shift -= 8)
        memo += static_cast<char>((memoLength >> shift) & 0xff);
    QFile memoFile(folder + QStringLiteral("/dic_base04.fpt"));
    ASSERT_TRUE(memoFile.open(QIODevice::WriteOnly));
    memoFile.write(memo);
    if (sparse) {
        ASSERT_TRUE(memoFile.resize(memo.size() + memoLength));
    } else {
        const QByteArray text =
            QByteArray("memo").repeated(static_cast<int>(memoLength / 4) + 1).left(memoLength);
        memoFile.write(text);
    }
}

// Special files standing for a table, a memo or the container are refused by name at once,
// as are two files that only the letter case tells apart.
TEST_F(ImportFault, FilesThatCannotBeTakenAreRefusedByNameWithoutWaiting)
{
    const QString notRegular = QStringLiteral("不是普通文件：");
    const struct
    {
        const char* name;
        std::function<void(const QString& folder)> make;
        QString says;
    } cases[] = {
        {"fifo table",
         [](const QString& f) {
             ASSERT_EQ(::mkfifo(QFile::encodeName(f + "/Base01.dbf").constData(), 0644), 0);
         },
         notRegular + "Base01.dbf"},
        {"link to a device as table",
         [](const QString& f) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), f + "/Base05.dbf")); },
         notRegular + "Base05.dbf"},
        {"folder as table", [](const QString& f) { ASSERT_TRUE(QDir(f).mkdir(QStringLiteral("Area.dbf"))); },
         notRegular + "Area.dbf"},
        {"fifo memo",
         [](const QString& f) {
             SharedMemoTable(f, 1, 10);
             QFile::remove(f + "/dic_base04.fpt");
             ASSERT_EQ(::mkfifo(QFile::encodeName(f + "/elsewhere").constData(), 0644), 0);
             ASSERT_TRUE(QFile::link(f + "/elsewhere", f + "/dic_base04.fpt"));
         },
         notRegular + "dic_base04.fpt"},
        {"fifo container",
         [](const QString& f) {
             SharedMemoTable(f, 1, 10);
             ASSERT_EQ(::mkfifo(QFile::encodeName(f + "/stat.dbc").constData(), 0644), 0);
         },
         notRegular + "stat.dbc"},
        {"twin names",
         [](const QString& f) {
             SharedMemoTable(f, 1, 10);
             ASSERT_TRUE(QFile::copy(f + "/dic_base04.dbf", f + "/DIC_BASE04.DBF"));
         },
         QStringLiteral("DIC_BASE04.DBF、dic_base04.dbf")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFolder folder;
        const QString collection = folder.Path() + QStringLiteral("/collection");
        QDir().mkpath(collection);
        c.make(collection);
        const auto result = folder.Run(Import(collection));
        EXPECT_EQ(result.Status, 1);
        EXPECT_TRUE(result.Err.contains(c.says)) << result.Err.toStdString();
        EXPECT_EQ(Leftovers(folder), QStringList());
    }
}

// Records that share one memo: what the import holds grows with the memo, not with the
// records pointing at it. A memo past the limit is refused by file, record and field.
TEST_F(ImportFault, ASharedMemoStaysWithinMemory)
{
    ReportFolder folder;
    const QString bomb = folder.Path() + QStringLiteral("/bomb");
    SharedMemoTable(bomb, 1200, 160 * 1024); // 190 MB of text in all, 190 KB of input
    // The whole address space: held in one batch, the texts alone would not fit. (The address
    // sanitizer reserves terabytes of it: there the import runs unlimited.)
    const auto limited = [&](rlim_t megabytes) {
        auto import = folder.Start(Import(bomb), [megabytes] {
#if !defined(__SANITIZE_ADDRESS__)
            const rlimit limit{megabytes << 20, megabytes << 20};
            ::setrlimit(RLIMIT_AS, &limit);
#endif
        });
        return ReportFolder::Finish(*import);
    };
    const auto roomy = limited(320);
    EXPECT_EQ(roomy.Status, 0) << roomy.Err.toStdString();
    EXPECT_EQ(QueryRows(folder.Path() + QStringLiteral("/Database/stat.dbc"),
                        QStringLiteral("SELECT count(*), min(length(fieldname)) FROM dic_base04")),
              QStringList{QStringLiteral("1200\t%1").arg(160 * 1024)});
    DbConnection::ReleasePooled(folder.Path());
#if !defined(__SANITIZE_ADDRESS__)
    // Too little memory ends in the import's own message, never in an abort.
    const QString before = QueryRows(folder.Path() + QStringLiteral("/Database/stat.dbc"),
                                     QStringLiteral("SELECT count(*) FROM dic_base04"))
                               .join(QString());
    DbConnection::ReleasePooled(folder.Path());
    const auto starved = limited(110);
    EXPECT_EQ(starved.Status, 1) << starved.Err.toStdString();
    EXPECT_TRUE(starved.Err.contains(QStringLiteral("out of memory")) ||
                starved.Err.contains(QStringLiteral("内存不足")))
        << starved.Err.toStdString();
    EXPECT_EQ(Leftovers(folder), QStringList());
    EXPECT_EQ(QueryRows(folder.Path() + QStringLiteral("/Database/stat.dbc"),
                        QStringLiteral("SELECT count(*) FROM dic_base04"))
                  .join(QString()),
              before);
    DbConnection::ReleasePooled(folder.Path());
#endif

    const QString huge = folder.Path() + QStringLiteral("/huge");
    SharedMemoTable(huge, 2, (64 << 20) + 1, true);
    const auto refused = folder.Run(Import(huge));
    EXPECT_EQ(refused.Status, 1);
    EXPECT_TRUE(refused.Err.contains(
        QStringLiteral("dic_base04.dbf，第 1 条记录，字段 FIELDNAME：备注长 67108865 字节，超过上限 64 MiB")))
        << refused.Err.toStdString();
}

} // namespace
