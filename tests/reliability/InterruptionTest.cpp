// A start-up killed while restoring leaves nothing the next start trusts blindly.
#include "DatabaseHealth.h"
#include "ReportFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <functional>

namespace {

TEST(Interruption, KillDuringRestoreLeavesNoDatabaseTheNextStartTrusts)
{
    ReportFolder folder;
    const QString own = QFileInfo(folder.OwnDatabase()).absolutePath();
    // Moments of the restore, each aimed at by one start: the folder made, the work copy being
    // written, the database in place.
    const std::function<bool()> moments[] = {
        [&] { return QFileInfo::exists(own); },
        [&] { return !QDir(own).entryList({QStringLiteral("*.restore-*")}, QDir::Files).isEmpty(); },
        [&] { return QFileInfo::exists(folder.OwnDatabase()); }};
    int interrupted = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        QDir(own).removeRecursively();
        auto start = folder.Start({"rows", "--report", "1-1"});
        // a start that ends before the later moments is no failure: its kill reports it
        const bool reached = AwaitWhileRunning(*start, moments[attempt]);
        interrupted += Kill(*start) && reached;
        if (QFileInfo::exists(folder.OwnDatabase())) {
            EXPECT_EQ(DatabaseHealth::Check(folder.OwnDatabase()), DatabaseHealth::State::Sound) << attempt;
        }
        const auto next = folder.Run({"rows", "--report", "1-1"});
        EXPECT_EQ(next.Status, 0) << attempt << ' ' << next.Err.toStdString();
        EXPECT_EQ(next.Err, QString()) << attempt;
        EXPECT_EQ(DatabaseHealth::Check(folder.OwnDatabase()), DatabaseHealth::State::Sound);
        EXPECT_EQ(QDir(own).entryList({QStringLiteral("*.restore-*")}, QDir::Files), QStringList());
    }
    EXPECT_GT(interrupted, 0) << "every start had ended before its kill: nothing was tested";
}

// What a restore killed by an earlier version left behind: a database cut short, its schema
// with it. The next start moves it aside and restores the package.
TEST(Interruption, TruncatedDatabaseIsMovedAsideAndRestored)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run({"rows"}).Status, 0);
    QFile database(folder.OwnDatabase());
    ASSERT_TRUE(database.resize(database.size() - 8192));

    const auto run = folder.Run(ReportFolder::HotelRun());
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, QStringLiteral("计算完成\n"));
    const QStringList backups =
        QDir(folder.Path()).entryList({QStringLiteral("TallixDataBase-backup-*")}, QDir::Dirs);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(run.Err.startsWith(QStringLiteral("自有数据库 tallix.dbc 已损坏（")))
        << run.Err.toStdString();
    EXPECT_TRUE(
        run.Err.contains(QStringLiteral("，已移至 ") + folder.Path() + QLatin1Char('/') + backups[0] +
                         QStringLiteral("，并从 tallix.she 恢复；存储的条件、地区、台帐配置与审核限值找回 0 行")))
        << run.Err.toStdString();
    EXPECT_EQ(DatabaseHealth::Check(folder.OwnDatabase()), DatabaseHealth::State::Sound);
    // and the start after that finds nothing wrong
    EXPECT_EQ(folder.Run({"rows", "--report", "1-1"}).Err, QString());
}

} // namespace
