// One analysis at a time per application folder: a second run waits for the first and
// then writes a whole report of its own; one that waits too long is told so.
#include "HandlerGuard.h"
#include "MessagePresenter.h"
#include "ReportFolder.h"
#include "RunLock.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(Concurrency, TwoRunsAtOnceLeaveTheWholeReportOfOne)
{
    ReportFolder folder;
    const auto [annual, hotel] = folder.AnnualThenHotel();

    const std::pair<QStringList, QStringList> pairs[] = {
        {ReportFolder::HotelRun(), ReportFolder::HotelRun()},
        {ReportFolder::AnnualRun(), ReportFolder::HotelRun()},
        {ReportFolder::HotelRun(), ReportFolder::AnnualRun()},
    };
    for (const auto& [first, second] : pairs) {
        auto one = folder.Start(first);
        auto two = folder.Start(second);
        for (QProcess* run : {one.get(), two.get()}) {
            const auto result = ReportFolder::Finish(*run);
            EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
            EXPECT_EQ(result.Out, QStringLiteral("计算完成\n"));
        }
        const QString now = folder.Tables();
        EXPECT_TRUE(now == hotel || now == annual)
            << first[0].toStdString() << '+' << second[0].toStdString();
    }
}

TEST(Concurrency, ARunWaitsForTheLockAndGoesOnWhenItIsFree)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run(ReportFolder::AnnualRun()).Status, 0);
    const QString before = folder.Tables();
    auto held = std::make_unique<RunLock>(folder.Path());
    auto run = folder.StartPaused(ReportFolder::HotelRun(), "lock-waiting");
    ASSERT_TRUE(AwaitPaused(*run)); // waiting, not failing
    Continue(*run);
    EXPECT_EQ(folder.Tables(), before);
    held.reset();
    const auto result = ReportFolder::Finish(*run);
    EXPECT_EQ(result.Status, 0);
    EXPECT_NE(folder.Tables(), before);
}

TEST(Concurrency, ALockHeldPastTheWaitIsRefusedWithTheMessage)
{
    ReportFolder folder;
    const RunLock held(folder.Path());
    EXPECT_TRUE(QFileInfo::exists(RunLock::LockFile(folder.Path())));
    const auto started = std::chrono::steady_clock::now();
    try {
        RunLock second(folder.Path(), 300ms);
        ADD_FAILURE() << "two runs at once";
    } catch (const RunLock::Busy& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("另一个分析或导入正在进行，请稍后再试"));
    }
    EXPECT_GE(std::chrono::steady_clock::now() - started, 300ms);

    // A window's handler shows it and stays usable.
    QStringList shown;
    const auto previous =
        MessagePresenter::SetHandler([&](const MessagePresenter::Message& m) { shown << m.Text; });
    EXPECT_FALSE(HandlerGuard::Run([&] { RunLock third(folder.Path(), 50ms); }));
    MessagePresenter::SetHandler(previous);
    EXPECT_EQ(shown, QStringList{"另一个分析或导入正在进行，请稍后再试"});
}

// True while another process holds the folder's lock.
bool LockHeld(const QString& folder)
{
    try {
        const RunLock probe(folder, 0ms);
        return false;
    } catch (const RunLock::Busy&) {
        return true;
    }
}

TEST(Concurrency, AKilledHolderLeavesTheLockFree)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run({"rows"}).Status, 0); // the own database in place
    auto run = folder.Start(ReportFolder::AnnualRun());
    ASSERT_TRUE(AwaitWhileRunning(*run, [&] { return LockHeld(folder.Path()); }))
        << "the run ended before it held the lock: nothing was tested";
    ASSERT_TRUE(Kill(*run));
    EXPECT_FALSE(LockHeld(folder.Path()));
}

} // namespace
