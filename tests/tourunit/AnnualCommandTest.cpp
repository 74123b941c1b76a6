#include "AnnualCommand.h"
#include "AnnualFixture.h"
#include "CliError.h"
#include "TempAppFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString RunCommand(const QStringList& arguments)
{
    QString text;
    QTextStream out(&text);
    AnnualCommand::Run(arguments, out);
    return text;
}

class AnnualCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FillAnnualSource(folder);
        folder.Own(QStringLiteral("INSERT INTO type11 (value1, tablecode) VALUES ('earlier run', '1_1')"));
    }
    TempAppFolder folder;
};

TEST_F(AnnualCommandTest, TypedRegionsAreNormalisedAndWriteTheWindowsRows)
{
    EXPECT_EQ(RunCommand({"--year", "2025", "--region", "43", "--region", "4301", "--region", "430102",
                          "--region", " 44 "}),
              QStringLiteral("计算完成\n"));
    ExpectAnnualReference(folder);
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type11")).isEmpty());

    EXPECT_EQ(RunCommand({"--year", "2025"}), QStringLiteral("计算完成\n")); // no regions: the zero totals
    EXPECT_EQ(
        AnnualRows(folder, QStringLiteral("212")),
        QStringList{QStringLiteral("合计") + QStringLiteral("\t0").repeated(12) + QStringLiteral("\t212")});
}

TEST_F(AnnualCommandTest, BadInputShowsTheWindowsMessageAndComputesNothing)
{
    const struct
    {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--region", "43"}, "年份不能为空"},
        {{"--year", "   ", "--region", "43"}, "年份不能为空"},
        {{"--year", "3025"}, "请输入正确年份"},
        {{"--year", "202"}, "请输入正确年份"},
        {{"--year", "20x5"}, "请输入正确年份"},
        {{"--year", "2025", "--region", "43a"}, "请输入正确数据！"},
        {{"--year", "2025", "--region", ""}, "请输入正确数据！"},
        {{"--year", "2025", "--region", "99999999999"}, "请输入正确数据！"},
        // a five-digit key becomes a seven-digit code that no region has
        {{"--year", "2025", "--region", "43010"}, "没有这个地区码"},
        {{"--year", "2025", "--region", "43", "--region", "450000"}, "没有这个地区码"},
        {{"--year", "2025", "--month", "3"}, "未知参数 --month"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        try {
            RunCommand(c.arguments);
            ADD_FAILURE() << "accepted";
        } catch (const CliError& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT value1 FROM type11")), QStringList{"earlier run"});
        EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type66")).isEmpty());
    }
}

// The executable: exit 0 on success, 2 for bad input, 1 when the data cannot be computed.
TEST_F(AnnualCommandTest, ExitStatusTellsBadInputFromBadData)
{
    QString err;
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(ORVANE_REPORT_EXE),
                      QStringList{"--app-dir", folder.Path(), "annual"} + arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        // the last line: Qt may put notes of its own before the message
        err = QString::fromUtf8(process.readAllStandardError()).trimmed().section('\n', -1);
        return process.exitCode();
    };
    EXPECT_EQ(run({"--year", "2025", "--region", "43"}), 0);
    EXPECT_EQ(AnnualRows(folder, QStringLiteral("212")).size(), 2);
    EXPECT_EQ(run({"--year", "1x"}), 2);
    EXPECT_EQ(err, QStringLiteral("请输入正确年份"));
    folder.Source(QStringLiteral("UPDATE Base01 SET RegistrationType = '1O' WHERE code = 'B101'"));
    EXPECT_EQ(run({"--year", "2025", "--region", "43"}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("B101")) && err.contains(QStringLiteral("1O")))
        << err.toStdString();
}

} // namespace
