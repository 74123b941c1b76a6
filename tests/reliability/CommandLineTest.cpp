// What the command line says besides refusing: report codes in either form, the codes that
// exist, an unknown command named, a column out of range counted, and why a sheet is empty
// or a region listed twice (standard error, exit 0).
#include "ReportFolder.h"

#include <gtest/gtest.h>

namespace {

struct Said
{
    const char* name;
    QStringList before; // run first, if any
    QStringList arguments;
    int status;
    const char* out; // standard output contains it (nullptr: not looked at)
    const char* err; // standard error, trimmed, contains it ("" : is empty)
};

class CommandLine : public ::testing::TestWithParam<Said>
{
protected:
    static void SetUpTestSuite() { folder = new ReportFolder; }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    static ReportFolder* folder;
};

ReportFolder* CommandLine::folder = nullptr;

TEST_P(CommandLine, SaysWhatHappened)
{
    const Said& c = GetParam();
    if (!c.before.isEmpty()) {
        ASSERT_EQ(folder->Run(c.before).Status, 0);
    }
    const QStringList arguments = QStringList(c.arguments).replaceInStrings("FOLDER", folder->Path());
    const ReportFolder::Result result = folder->Run(arguments);
    EXPECT_EQ(result.Status, c.status) << result.Err.toStdString();
    if (c.out) {
        EXPECT_TRUE(result.Out.contains(QString::fromUtf8(c.out))) << result.Out.toStdString();
    }
    if (*c.err == '\0')
        EXPECT_EQ(result.Err, QString());
    else
        EXPECT_TRUE(result.Err.contains(QString::fromUtf8(c.err))) << result.Err.toStdString();
}

const QStringList Hotel = ReportFolder::HotelRun();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, CommandLine, ::testing::Values(
    Said{"PrintCodeWithUnderscore", Hotel, {"print", "--report", "1_2", "--csv", "FOLDER/a.csv"}, 0, nullptr, ""},
    Said{"RowsCodeWithDash", {}, {"rows", "--report", "1-2"}, 0, "湖南省", ""},
    Said{"ChartCodeWithUnderscore", {}, {"chart", "--report", "1_2", "--column", "2", "--png", "FOLDER/c.png"}, 0, nullptr, ""},
    Said{"LedgerCodeWithDash", {}, {"print", "--report", "3-3", "--csv", "FOLDER/l.csv"}, 2, nullptr,
         "该报表还没有数据，请先生成报表"},
    Said{"RowsPrintsEveryTableAndNamesTheCodes", {}, {"rows"}, 0, "type11\t", "报表代码\t行数\n1-1\t24\n"},
    Said{"RowsNamesLedgerCodes", {}, {"rows"}, 0, nullptr, "\n3_4\t0"},
    Said{"UnknownCommand", {}, {"hotels"}, 2, nullptr, "不认识的命令：hotels\nusage: orvane-report"},
    Said{"ColumnOutOfRange", {}, {"chart", "--report", "1-2", "--column", "99", "--png", "FOLDER/x.png"}, 2, nullptr,
         "第 99 栏不存在：该报表共 8 栏"},
    Said{"HotelWithoutRegion", {}, {"hotel", "--year", "2025", "--month", "12"}, 0, "计算完成",
         "没有选择地区，报表只有合计行"},
    Said{"PeriodWithoutReturns", {}, {"hotel", "--year", "2019", "--month", "12", "--region", "43"}, 0, "计算完成",
         "所选期间（2019年12月）没有任何报表数据"},
    Said{"AnnualRegionTwice", {}, {"annual", "--year", "2025", "--region", "43", "--region", "430"}, 0, "计算完成",
         "该地区已在列表中：430000"},
    Said{"LedgerWithoutItems", {}, {"ledger", "--year", "2025", "--month", "12", "--unit", "accommodation",
         "--mode", "current", "--region", "43"}, 0, "计算完成！", "没有选择台帐项目"},
    Said{"WholeRunSaysNothing", {}, Hotel, 0, "计算完成", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
