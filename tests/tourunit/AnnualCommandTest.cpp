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
}

TEST_F(AnnualCommandTest, NoRegionsGiveTheZeroTotalsOnly)
{
    EXPECT_EQ(RunCommand({"--year", "2025"}), QStringLiteral("计算完成\n"));
    EXPECT_EQ(AnnualRows(folder, QStringLiteral("211")).size(), 9);
    EXPECT_EQ(
        AnnualRows(folder, QStringLiteral("212")),
        QStringList{QStringLiteral("合计") + QStringLiteral("\t0").repeated(12) + QStringLiteral("\t212")});
}

struct RefusalCase
{
    const char* name;
    QStringList arguments;
    const char* message;
};

class AnnualRefusalTest : public AnnualCommandTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(AnnualRefusalTest, BadInputShowsTheWindowsMessageAndComputesNothing)
{
    try {
        RunCommand(GetParam().arguments);
        FAIL() << "accepted";
    } catch (const CliError& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message));
    }
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT value1 FROM type11")),
              QStringList{QStringLiteral("earlier run")});
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type66")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, AnnualRefusalTest,
    ::testing::Values(
        RefusalCase{"noYear", {"--region", "43"}, "年份不能为空"},
        RefusalCase{"blankYear", {"--year", "   ", "--region", "43"}, "年份不能为空"},
        RefusalCase{"yearOf3000s", {"--year", "3025"}, "请输入正确年份"},
        RefusalCase{"threeDigitYear", {"--year", "202"}, "请输入正确年份"},
        RefusalCase{"yearWithLetter", {"--year", "20x5"}, "请输入正确年份"},
        RefusalCase{"keyNotANumber", {"--year", "2025", "--region", "43a"}, "请输入正确数据！"},
        RefusalCase{"emptyKey", {"--year", "2025", "--region", ""}, "请输入正确数据！"},
        RefusalCase{"keyBeyond32Bits", {"--year", "2025", "--region", "99999999999"}, "请输入正确数据！"},
        // a five-digit key becomes a seven-digit code that no region has
        RefusalCase{"fiveDigitKey", {"--year", "2025", "--region", "43010"}, "没有这个地区码"},
        RefusalCase{
            "unknownRegion", {"--year", "2025", "--region", "43", "--region", "450000"}, "没有这个地区码"},
        RefusalCase{"unknownOption", {"--year", "2025", "--month", "3"}, "未知参数 --month"}),
    [](const auto& info) { return std::string(info.param.name); });

// The executable: exit 0 on success, 2 for bad input, 1 when the data cannot be computed.
TEST_F(AnnualCommandTest, ExitStatusTellsBadInputFromBadData)
{
    const auto run = [&](const QStringList& arguments, QString* err) {
        QProcess process;
        process.start(QStringLiteral(ORVANE_REPORT_EXE),
                      QStringList{"--app-dir", folder.Path(), "annual"} + arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        // the last line: Qt may put notes of its own before the message
        *err = QString::fromUtf8(process.readAllStandardError()).trimmed().section(QLatin1Char('\n'), -1);
        return process.exitCode();
    };
    QString err;
    EXPECT_EQ(run({"--year", "2025", "--region", "43"}, &err), 0);
    EXPECT_EQ(AnnualRows(folder, QStringLiteral("212")).size(), 2);
    EXPECT_EQ(run({"--year", "1x"}, &err), 2);
    EXPECT_EQ(err, QStringLiteral("请输入正确年份"));
    folder.Source(QStringLiteral("UPDATE Base01 SET RegistrationType = '1O' WHERE code = 'B101'"));
    EXPECT_EQ(run({"--year", "2025", "--region", "43"}, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("B101")) && err.contains(QStringLiteral("1O")))
        << err.toStdString();
}

} // namespace
