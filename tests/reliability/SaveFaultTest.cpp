// A Save that is killed or runs out of disk leaves the previous report or the new one,
// never a part of either, and the saved rows as they were.
#include "ReportFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

constexpr qint64 Spare = 48 * 1024; // room for the start of the annual report, not for all of it

TEST(SaveFault, KillDuringSaveLeavesTheWholePreviousOrNewReport)
{
    ReportFolder folder;
    const auto [fresh, previous] = folder.AnnualThenHotel();
    folder.Own(QStringLiteral("INSERT INTO namesave VALUES('常用地区')"));
    const QStringList saved = folder.Saved();
    const QString log = folder.OwnDatabase() + QStringLiteral("-wal");

    int interrupted = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const qint64 logBefore = QFileInfo(log).size();
        auto run = folder.Start(ReportFolder::AnnualRun());
        // The passes only read; the first page written to the log is the Save's.
        ASSERT_TRUE(AwaitWhileRunning(*run, [&] { return QFileInfo(log).size() > logBefore; })) << attempt;
        // each attempt aims two pages further into the Save; one that ends first is no failure
        const bool reached =
            AwaitWhileRunning(*run, [&] { return QFileInfo(log).size() > logBefore + attempt * 2 * 4096; });
        interrupted += Kill(*run) && reached;
        const QString now = folder.Tables();
        EXPECT_TRUE(now == previous || now == fresh) << "attempt " << attempt << ": a partial report";
        EXPECT_EQ(folder.Saved(), saved);
        if (now == fresh) {
            ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
        }
    }
    EXPECT_GT(interrupted, 0) << "every run had ended before its kill: nothing was tested";
    // the killed runs left a database the next run works on as usual
    EXPECT_EQ(folder.Run(ReportFolder::AnnualRun()).Status, 0);
    EXPECT_EQ(folder.Tables(), fresh);
}

// A disk that fills up in the middle of a Save: the run fails with the engine's message
// and exit 1.
// The run, the failing write and the check, whichever way the disk is made to run out.
void ExpectPreviousReportAfterFailingSave(const ReportFolder& folder,
                                          const std::function<ReportFolder::Result()>& starved,
                                          const std::function<void()>& relieve)
{
    ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
    folder.Own(QStringLiteral("INSERT INTO namesave VALUES('常用地区')"));
    const QString previous = folder.Tables();
    const QStringList saved = folder.Saved();

    const auto run = starved();
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("数据库错误："))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
    relieve();

    EXPECT_EQ(folder.Tables(), previous);
    EXPECT_EQ(folder.Saved(), saved);
    // with room again the same run goes through
    EXPECT_EQ(folder.Run(ReportFolder::AnnualRun()).Status, 0);
    EXPECT_NE(folder.Tables(), previous);
}

TEST(SaveFault, ASaveThatRunsOutOfSpaceLeavesThePreviousReport)
{
    QTemporaryDir mountPoint;
    if (MountSmallFileSystem(mountPoint.path())) {
        RecordProperty("disk", "a 4 MB file system");
        {
            const ReportFolder folder(mountPoint.path());
            const QString filler = mountPoint.path() + QStringLiteral("/filler");
            ExpectPreviousReportAfterFailingSave(
                folder,
                [&] {
                    Fill(filler, Spare);
                    return folder.Run(ReportFolder::AnnualRun());
                },
                [&] { QFile::remove(filler); });
        }
        ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
        return;
    }
    // Without the right to mount: the run may write no file beyond a size, as a full disk
    // refuses the next block.
    RecordProperty("disk", "a file size limit");
    const ReportFolder folder;
    ExpectPreviousReportAfterFailingSave(
        folder,
        [&] {
            auto run = folder.Start(ReportFolder::AnnualRun(), [] {
                ::signal(SIGXFSZ, SIG_IGN);
                // the write-ahead log's index takes 32 KB: the log itself finds no room for the report
                const rlimit limit{32 * 1024, 32 * 1024};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
            return ReportFolder::Finish(*run);
        },
        [] {});
}

} // namespace
