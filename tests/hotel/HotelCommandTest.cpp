#include "CliError.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "HotelFixture.h"
#include "HotelRun.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

QStringList Options(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::KeepEmptyParts);
}

class HotelCommandTest : public ::testing::Test
{
protected:
    HotelCommandTest()
    {
        LoadHotelFixture(folder);
        folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    }

    // value2 (HotelNum) of each region line of table 1-2, after the total's.
    QStringList Hotels() const
    {
        return folder.OwnRows(QStringLiteral("select value1, value2 from type22 where tablecode='1_2'"));
    }

    TempAppFolder folder;
};

struct RefusalCase
{
    const char* options;
    const char* message;
};

void PrintTo(const RefusalCase& k, std::ostream* os)
{
    *os << k.options;
}

class HotelCommandRefusalTest : public HotelCommandTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(HotelCommandRefusalTest, RefusesWithTheWindowsMessageAndComputesNothing)
{
    try {
        RunHotel(Options(GetParam().options));
        FAIL() << "the input must be refused";
    } catch (const CliError& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message));
    }
    EXPECT_EQ(Hotels(), QStringList{QStringLiteral("earlier\t<null>")});
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HotelCommandRefusalTest,
    ::testing::Values(RefusalCase{"--year|2O05|--month|12", "请输入正确年份"},
                      RefusalCase{"--year|3000|--month|12", "请输入正确年份"},
                      RefusalCase{"--year| |--month|12", "请输入正确年份"},
                      RefusalCase{"--year|2025|--month|13", "请输入正确月份"},
                      RefusalCase{"--year|2025|--month|0", "请输入正确月份"},
                      RefusalCase{"--month|12|--region|43", "年月不能为空"},
                      RefusalCase{"--year|2025", "年月不能为空"},
                      RefusalCase{"--year||--month|12", "年月不能为空"},
                      RefusalCase{"--year|2025|--month|12|--region|43a", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--region|", "地区码不能为空"},
                      RefusalCase{"--year|2025|--month|12|--region|   ", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--region|99999999999", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--region|45", "没有这个地区码"},
                      RefusalCase{"--year|2025|--month|12|--region|43|--region|43010", "没有这个地区码"},
                      RefusalCase{"--year|2025|--month|12|--rooms|-5:", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--occupancy|:abc", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--fixed-assets|1e3:",
                                  "请输入正确数据！（固定资产）"},
                      RefusalCase{"--year|2025|--month|12|--open-year|99:", "请输入正确年份"},
                      RefusalCase{"--year|2025|--month|12|--income-per|x:1", "请输入正确数据！"},
                      RefusalCase{"--year|2025|--month|12|--rooms|100", "范围应写作 FROM:TO：--rooms 100"},
                      RefusalCase{"--year|2025|--month|12|--star|5,a", "--star 只接受整数：a"},
                      RefusalCase{"--year|2025|--month|12|--colour|red", "未知参数 --colour"}));

TEST_F(HotelCommandTest, RangesAsTheWindowFillsThem)
{
    const struct
    {
        const char* range;
        const char* hotels; // of 长沙市 (B1001 ... B1010)
    } cases[] = {
        {"--rooms|:", "10"},
        {"--rooms|:150", "4"},
        {"--rooms|150:", "7"},
        {"--rooms|150:150", "1"},
        {"--rooms|300:200", "0"},
        {"--rooms| 99.996 :", "8"},
        {"--profit|-1:", "10"},
        {"--profit|-1.5:0", "2"},
        {"--profit|:-0.1", "2"},
        {"--open-year|:2005", "4"},
        {"--open-year|2005:2010", "3"},
        {"--regtype|", "0"},
        {"--star|", "0"},
        {"--category|", "0"},
        {"--category|B2,B3", "2"},
        {"--regtype|210,220,230,240", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        QString printed;
        EXPECT_EQ(RunHotel(Options("--year|2025|--month|12|--region|4301") + Options(c.range), &printed), 0);
        EXPECT_EQ(printed, QStringLiteral("计算完成\n"));
        EXPECT_EQ(Hotels(), (QStringList{QStringLiteral("合计\t") + QLatin1String(c.hotels),
                                         QStringLiteral("长沙市\t") + QLatin1String(c.hotels)}));
    }
}

TEST_F(HotelCommandTest, NoRegionWritesTheEmptyReport)
{
    EXPECT_EQ(RunHotel(Options("--year|2025|--month|12")), 0);
    EXPECT_EQ(Hotels(), QStringList{QStringLiteral("合计\t0")});
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from type11")),
              QStringList{QStringLiteral("24")});
}

TEST_F(HotelCommandTest, FailingPassLeavesTheLastReportInPlace)
{
    ASSERT_EQ(RunHotel(Options("--year|2025|--month|12|--region|430102")), 0);
    const QString before = ResultTables(folder);

    folder.Source(QStringLiteral("UPDATE Base05 SET RoomIncome = 'n/a' WHERE code = 'B2003'"));
    try {
        RunHotel(Options("--year|2025|--month|12|--region|430200|--region|430102"));
        FAIL() << "the text must not be converted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.UserText(),
                  QStringLiteral("数据无法转换：企业 B2003，字段 RoomIncome，值“n/a”（不是数值）"));
    }
    EXPECT_EQ(ResultTables(folder), before);

    folder.Source(QStringLiteral("DROP TABLE Base06"));
    EXPECT_THROW(RunHotel(Options("--year|2025|--month|12|--region|430200")), DatabaseError);
    EXPECT_EQ(ResultTables(folder), before);
}

} // namespace
