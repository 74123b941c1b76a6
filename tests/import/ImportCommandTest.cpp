// orvane-report import and summary as a user runs them: progress on standard error, the
// summary on standard output, and the exit status.
#include "CollectionFolder.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int status = -1;
    QString out, err;
};

Outcome Report(const TempAppFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVANE_REPORT_EXE), QStringList{"--app-dir", folder.Path()} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(ImportCommand, ImportsAndSummarises)
{
    TempAppFolder folder;
    QTemporaryDir work;
    const QString cases = QDir(work.path()).filePath(QStringLiteral("cases"));
    CollectionFolder::Cases(cases);

    const Outcome done = Report(folder, {"import", "--from", cases});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_TRUE(done.err.contains(QStringLiteral("读取 BASE01.DBF（4 条记录）"))) << done.err.toStdString();
    EXPECT_TRUE(done.err.contains(QStringLiteral("已导入 14 条记录，原数据库保留为 stat-"))) << done.err.toStdString();
    EXPECT_TRUE(done.out.startsWith(QStringLiteral("数据概况："))) << done.out.toStdString();
    EXPECT_TRUE(done.out.contains(QStringLiteral("Base01\tBASE01.DBF\t3\t1\t3")));

    const Outcome summary = Report(folder, {"summary"});
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.out, done.out);

    QDir(work.path()).mkdir(QStringLiteral("empty"));
    const Outcome empty = Report(folder, {"import", "--from", QDir(work.path()).filePath(QStringLiteral("empty"))});
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("没有采集系统的数据表"))) << empty.err.toStdString();
    EXPECT_TRUE(empty.out.isEmpty());

    EXPECT_EQ(Report(folder, {"import", "--from", cases, "--encoding", "NO-SUCH"}).status, 2);
    EXPECT_EQ(Report(folder, {"import"}).status, 2);

    CollectionFolder::Damage(QStringLiteral("text"), cases);
    const Outcome spoilt = Report(folder, {"import", "--from", cases});
    EXPECT_EQ(spoilt.status, 1);
    EXPECT_TRUE(spoilt.err.contains(QStringLiteral("BASE01.DBF，第 3 条记录，字段 UNITNAME"))) << spoilt.err.toStdString();
    EXPECT_EQ(Report(folder, {"summary"}).out, done.out);
}

} // namespace
