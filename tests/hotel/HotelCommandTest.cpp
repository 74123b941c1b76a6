// orvane-report hotel over the shared source database: the reference runs, the
// refusals of bad input, the ranges as the window fills them, and failures in
// the middle of a run.
#include "HotelCommand.h"
#include "CliError.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "HotelFixture.h"
#include "TempAppFolder.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// Runs "orvane-report hotel" with options separated by "|"; returns the exit status.
int RunHotel(const QString& options, QString* printed = nullptr)
{
    QString text;
    QTextStream out(&text);
    const int status = HotelCommand::Run(options.split(QLatin1Char('|')), out);
    out.flush();
    if (printed)
        *printed = text;
    return status;
}

TEST(HotelReference, ResultTablesMatchTheReferenceRuns)
{
    for (const auto& [name, options] : HotelReferenceRuns()) {
        TempAppFolder folder;
        LoadHotelFixture(folder);
        QString printed;
        EXPECT_EQ(RunHotel(QStringLiteral("--year|2025|--month|12|") + QLatin1String(options), &printed), 0);
        EXPECT_EQ(printed, QStringLiteral("计算完成\n"));
        ExpectReference(QStringLiteral("hotel/reference/%1.txt").arg(QLatin1String(name)),
                        ResultTables(folder));
    }
}

class HotelCommandTest : public ::testing::Test
{
protected:
    HotelCommandTest()
    {
        LoadHotelFixture(folder);
        folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    }

    // Name and value2 (HotelNum) of each line of table 1-2.
    QStringList Hotels() const
    {
        return folder.OwnRows(QStringLiteral("select value1, value2 from type22 where tablecode='1_2'"));
    }

    TempAppFolder folder;
};

TEST_F(HotelCommandTest, RefusesWithTheWindowsMessageAndComputesNothing)
{
    // clang-format off
    const std::pair<const char*, const char*> refusals[] = {
        {"--year|2O05|--month|12", "请输入正确年份"}, {"--year| |--month|12", "请输入正确年份"},
        {"--year|2025|--month|13", "请输入正确月份"}, {"--month|12|--region|43", "年月不能为空"},
        {"--year|2025", "年月不能为空"}, {"--year||--month|12", "年月不能为空"},
        {"--year|2025|--month|12|--region|43a", "请输入正确数据！"},
        {"--year|2025|--month|12|--region|", "地区码不能为空"},
        {"--year|2025|--month|12|--region|   ", "请输入正确数据！"},
        {"--year|2025|--month|12|--region|99999999999", "请输入正确数据！"},
        {"--year|2025|--month|12|--region|43|--region|43010", "没有这个地区码"},
        {"--year|2025|--month|12|--rooms|-5:", "请输入正确数据！"},
        {"--year|2025|--month|12|--occupancy|:abc", "请输入正确数据！"},
        {"--year|2025|--month|12|--fixed-assets|1e3:", "请输入正确数据！（固定资产）"},
        {"--year|2025|--month|12|--open-year|99:", "请输入正确年份"},
        {"--year|2025|--month|12|--income-per|x:1", "请输入正确数据！"},
        {"--year|2025|--month|12|--rooms|100", "范围应写作 FROM:TO：--rooms 100"},
        {"--year|2025|--month|12|--rooms|300:200", "区间下限不能大于上限"},
        {"--year|2025|--month|12|--profit|0:-1.5", "区间下限不能大于上限"},
        {"--year|2025|--month|12|--star|5,a", "--star 只接受 0,1,2,3,4,5：“a”"},
        {"--year|2025|--month|12|--colour|red", "未知参数 --colour"}};
    // clang-format on
    for (const auto& [options, message] : refusals) {
        try {
            RunHotel(QString::fromUtf8(options));
            ADD_FAILURE() << options << " must be refused";
        } catch (const CliError& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8(message)) << options;
        }
    }
    EXPECT_EQ(Hotels(), QStringList{QStringLiteral("earlier\t<null>")});
}

TEST_F(HotelCommandTest, RangesAsTheWindowFillsThem)
{
    // A range, and how many of the hotels of 长沙市 (B1001 ... B1010) it admits.
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"--rooms|:", "10"}, {"--rooms|:150", "4"}, {"--rooms|150:", "7"}, {"--rooms|150:150", "1"},
        {"--rooms| 99.996 :", "8"}, {"--profit|-1:", "10"},
        {"--profit|-1.5:0", "2"}, {"--profit|:-0.1", "2"}, {"--open-year|:2005", "4"},
        {"--open-year|2005:2010", "3"},
        {"--regtype|", "0"}, {"--star|", "0"}, {"--category|", "0"}, {"--category|B2,B3", "2"},
        {"--regtype|210,220,230,240", "2"}};
    // clang-format on
    for (const auto& [range, hotels] : cases) {
        SCOPED_TRACE(range);
        QString printed;
        EXPECT_EQ(RunHotel(QStringLiteral("--year|2025|--month|12|--region|4301|") + QLatin1String(range),
                           &printed),
                  0);
        EXPECT_EQ(printed, QStringLiteral("计算完成\n"));
        EXPECT_EQ(Hotels(), (QStringList{QStringLiteral("合计\t") + QLatin1String(hotels),
                                         QStringLiteral("长沙市\t") + QLatin1String(hotels)}));
    }
}

// An opening date left blank (NULL, or empty text) counts while no opening year is set, as the
// collection system's engine counts its year 0, and no opening-year range admits it.
TEST_F(HotelCommandTest, BlankOpeningDateCountsOnlyWithoutAnOpeningYearRange)
{
    folder.Source(QStringLiteral("UPDATE Base01 SET OpenDate = NULL WHERE code = 'B1001';"
                                 "UPDATE Base01 SET OpenDate = '' WHERE code = 'B1002'"));
    const std::pair<const char*, const char*> cases[] = {
        {"--open-year|:", "10"}, {"--open-year|:2030", "8"}, {"--open-year|1900:", "8"}, {"--open-year|1998:1998", "0"}};
    for (const auto& [range, hotels] : cases) {
        SCOPED_TRACE(range);
        EXPECT_EQ(RunHotel(QStringLiteral("--year|2025|--month|12|--region|4301|") + QLatin1String(range)), 0);
        EXPECT_EQ(Hotels(), (QStringList{QStringLiteral("合计\t") + QLatin1String(hotels),
                                         QStringLiteral("长沙市\t") + QLatin1String(hotels)}));
    }
}

TEST_F(HotelCommandTest, FailingPassLeavesTheLastReportInPlace)
{
    ASSERT_EQ(RunHotel("--year|2025|--month|12|--region|430102"), 0);
    const QString before = ResultTables(folder);

    folder.Source(QStringLiteral("UPDATE Base05 SET RoomIncome = 'n/a' WHERE code = 'B2003'"));
    try {
        RunHotel("--year|2025|--month|12|--region|430200|--region|430102");
        FAIL() << "the text must not be converted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.UserText(),
                  QStringLiteral("数据无法转换：企业 B2003，字段 RoomIncome，值“n/a”（不是数值）"));
    }
    EXPECT_EQ(ResultTables(folder), before);

    folder.Source(QStringLiteral("DROP TABLE Base06"));
    EXPECT_THROW(RunHotel("--year|2025|--month|12|--region|430200"), DatabaseError);
    EXPECT_EQ(ResultTables(folder), before);
}

} // namespace
