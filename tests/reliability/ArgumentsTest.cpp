// What the windows cannot produce is refused before anything is computed or written, and
// every tool answers --help instead of taking it for a file.
#include "ReportFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct BadArguments
{
    const char* name;
    QStringList arguments; // after "--app-dir FOLDER"
    const char* message;   // the whole last line of standard error
};

// One folder for the whole table: every refusal must leave its report and saved rows alone.
class ArgumentsTest : public ::testing::TestWithParam<BadArguments>
{
protected:
    static void SetUpTestSuite()
    {
        folder = new ReportFolder;
        ASSERT_EQ(folder->Run(ReportFolder::HotelRun()).Status, 0);
        folder->Own(QStringLiteral("INSERT INTO namesave VALUES('常用地区')"));
        before = folder->Tables();
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    static ReportFolder* folder;
    static QString before;
};

ReportFolder* ArgumentsTest::folder = nullptr;
QString ArgumentsTest::before;

TEST_P(ArgumentsTest, RefusedWithExitTwoAndNothingChanged)
{
    const ReportFolder::Result result = folder->Run(GetParam().arguments);
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err.section(QLatin1Char('\n'), -1), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(folder->Tables(), before);
    EXPECT_EQ(folder->Saved(), QStringList{"常用地区"});
}

QStringList Hotel(const QStringList& more)
{
    return QStringList{"hotel", "--year", "2025", "--month", "12", "--region", "43"} + more;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ArgumentsTest, ::testing::Values(
    BadArguments{"CategoryUnknown", Hotel({"--category", "B1,B5"}), "--category 只接受 B1,B2,B3,B4,B9：“B5”"},
    BadArguments{"CategoryBlank", Hotel({"--category", "B1, ,B2"}), "--category 只接受 B1,B2,B3,B4,B9：“”"},
    BadArguments{"CategoryPattern", Hotel({"--category", "B%"}), "--category 只接受 B1,B2,B3,B4,B9：“B%”"},
    BadArguments{"StarNegative", Hotel({"--star", "3,-5"}), "--star 只接受 0,1,2,3,4,5：“-5”"},
    BadArguments{"StarTooHigh", Hotel({"--star", "6"}), "--star 只接受 0,1,2,3,4,5：“6”"},
    BadArguments{"StarText", Hotel({"--star", "x"}), "--star 只接受 0,1,2,3,4,5：“x”"},
    BadArguments{"RegtypeNegative", Hotel({"--regtype", "-5"}),
                 "--regtype 只接受 110,120,130,140,150,160,170,190,210,220,230,240,310,320,330,340：“-5”"},
    BadArguments{"RegtypeBetweenCodes", Hotel({"--regtype", "110,115"}),
                 "--regtype 只接受 110,120,130,140,150,160,170,190,210,220,230,240,310,320,330,340：“115”"},
    BadArguments{"OptionAsValue", {"print", "--report", "1-1", "--pdf", "--csv", "x.csv"}, "参数 --pdf 缺少取值"},
    BadArguments{"EmptyPdf", {"print", "--report", "1-1", "--pdf", ""}, "参数 --pdf 缺少文件名"},
    BadArguments{"EmptyCsv", {"print", "--report", "1-1", "--csv", " "}, "参数 --csv 缺少文件名"},
    BadArguments{"CaptionWithNewline",
                 {"ledger", "--year", "2025", "--month", "12", "--unit", "accommodation", "--mode", "current",
                  "--region", "43", "--item", "Base06:OperationIncome:营业\n收入"},
                 "名称或标题中不能有换行、制表符等控制字符"},
    BadArguments{"UnknownCommand", {"hotels"}, "       orvane-report --help"},
    BadArguments{"NoCommand", {}, "       orvane-report --help"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A list as long as one argument may be is refused by its item, never sent to the engine.
TEST(ArgumentsHuge, LongCategoryIsRefusedNotSentToTheEngine)
{
    ReportFolder folder;
    const auto result = folder.Run(Hotel({"--category", QString(131000, QLatin1Char('B'))}));
    EXPECT_EQ(result.Status, 2);
    EXPECT_TRUE(result.Err.startsWith(QStringLiteral("--category 只接受 B1,B2,B3,B4,B9：“BBB")));
}

// --app-dir is settled before start-up writes anything anywhere.
TEST(AppDirArgument, MissingOrEmptyValueIsRefusedBeforeAnythingIsWritten)
{
    const QString executableFolder = QFileInfo(QStringLiteral(ORVANE_REPORT_EXE)).absolutePath();
    const bool hadDatabase = QFileInfo::exists(executableFolder + QStringLiteral("/TallixDataBase"));
    QTemporaryDir cwd;
    const struct
    {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--app-dir"}, "参数 --app-dir 缺少取值"},
        {{"--app-dir", ""}, "参数 --app-dir 缺少取值"},
        {{"--app-dir", " ", "rows"}, "参数 --app-dir 缺少取值"},
        {{"--app-dir", "--help-me", "rows"}, "参数 --app-dir 缺少取值"},
        {{"--app-dir", cwd.path() + "/nowhere", "rows"}, nullptr},
    };
    for (const auto& c : cases) {
        const auto result = RunTool(QStringLiteral(ORVANE_REPORT_EXE), c.arguments, cwd.path());
        EXPECT_EQ(result.Status, 2) << c.arguments.join(' ').toStdString();
        if (c.message)
            EXPECT_EQ(result.Err, QString::fromUtf8(c.message));
        else
            EXPECT_EQ(result.Err,
                      QStringLiteral("应用程序文件夹不存在：") + cwd.path() + QStringLiteral("/nowhere"));
    }
    EXPECT_EQ(QFileInfo::exists(executableFolder + QStringLiteral("/TallixDataBase")), hadDatabase);
    EXPECT_TRUE(QDir(cwd.path()).isEmpty());
}

struct Tool
{
    const char* program;
    const char* usage; // the first line of the usage
};

// Every tool: --help prints its usage and exits 0; an option where a file belongs is refused.
TEST(ToolHelp, EveryToolAnswersHelpAndTakesNoOptionForAFile)
{
    std::vector<Tool> tools = {
        {ORVANE_REPORT_EXE, "usage: orvane-report [--app-dir DIR] hotel"},
        {ORVANE_MKSAMPLE_EXE, "usage: orvane-mksample DATABASE"},
        {ORVANE_MKPACKAGE_EXE, "usage: orvane-mkpackage PACKAGE"},
#ifdef ORVANE_BENCH_DATA_EXE
        {ORVANE_BENCH_DATA_EXE, "usage: orvane-bench-data DATABASE"},
        {ORVANE_BENCH_EXE, "usage: orvane-bench DATABASE"},
#endif
    };
    for (const Tool& tool : tools) {
        QTemporaryDir cwd;
        for (const char* help : {"--help", "-h"}) {
            QProcess process;
            process.setWorkingDirectory(cwd.path());
            process.start(QString::fromUtf8(tool.program), {QString::fromLatin1(help)});
            ASSERT_TRUE(process.waitForFinished(30000));
            EXPECT_EQ(process.exitCode(), 0) << tool.program << ' ' << help;
            EXPECT_TRUE(
                QString::fromUtf8(process.readAllStandardOutput()).startsWith(QString::fromUtf8(tool.usage)))
                << tool.program;
        }
        // An option is never a file name; the report tool says what it lacks instead.
        if (QString::fromUtf8(tool.program) != QStringLiteral(ORVANE_REPORT_EXE)) {
            const auto refused = RunTool(QString::fromUtf8(tool.program), {"--output"}, cwd.path());
            EXPECT_EQ(refused.Status, 2) << tool.program;
            EXPECT_TRUE(RunTool(QString::fromUtf8(tool.program), {}, cwd.path()).Status == 2) << tool.program;
        }
        EXPECT_TRUE(QDir(cwd.path()).isEmpty()) << tool.program << " wrote into its working folder";
    }
}

} // namespace
