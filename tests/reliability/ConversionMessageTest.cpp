// Every conversion message, provoked through the command line and compared byte for byte
// as it reaches the screen: UTF-8 from the source text to standard error.
#include "ReportFolder.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase
{
    const char* name;
    const char* damage; // on the source database
    QStringList run;
    const char* message;
};

class ConversionMessageTest : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(ConversionMessageTest, ExactTextOnStandardError)
{
    ReportFolder folder;
    folder.Source(QString::fromUtf8(GetParam().damage));
    const auto result = folder.Run(GetParam().run);
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, QString::fromUtf8(GetParam().message));
}

const QStringList Hotel = {"hotel", "--year", "2025", "--month", "12", "--region", "4301"};
const QStringList Annual = {"annual", "--year", "2025", "--region", "4301"};
const QStringList Ledger = {"ledger",           "--year", "2025",    "--month",  "12",   "--unit",
                            "accommodation",    "--mode", "current", "--region", "4301", "--item",
                            "Base05:RoomIncome"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messages, ConversionMessageTest, ::testing::Values(
    ConversionCase{"Int16", "UPDATE Base01 SET Rooms = 99999 WHERE code = 'B1430100001'", Hotel,
                   "数据无法转换：企业 B1430100001，字段 Rooms，值“99999”（超出 -32768 至 32767）"},
    ConversionCase{"Int32", "UPDATE Base05 SET InTourist = 3000000000 WHERE code = 'B1430100001'", Hotel,
                   "数据无法转换：企业 B1430100001，字段 InTourist，值“3000000000”（超出 32 位整数范围）"},
    ConversionCase{"HotelText", "UPDATE Base05 SET RoomIncome = 'n/a' WHERE code = 'B1430100001'", Hotel,
                   "数据无法转换：企业 B1430100001，字段 RoomIncome，值“n/a”（不是数值）"},
    ConversionCase{"AnnualText", "UPDATE Base01 SET RegistrationType = '一四〇' WHERE code = 'B1430100001'", Annual,
                   "数据无法转换：企业 B1430100001，字段 RegistrationType，值“一四〇”（不是数值）"},
    ConversionCase{"LedgerText", "UPDATE Base05 SET RoomIncome = '三十' WHERE code = 'B1430100001'", Ledger,
                   "数据无法转换：表 Base05，字段 RoomIncome，企业 B1430100001，值“三十”（不是数值）"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
