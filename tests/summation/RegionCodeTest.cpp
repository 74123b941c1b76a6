#include "RegionCode.h"

#include <gtest/gtest.h>

namespace {

struct PrefixCase
{
    const char* code;
    const char* prefix;
};

class RegionPrefixTest : public ::testing::TestWithParam<PrefixCase>
{
};

TEST_P(RegionPrefixTest, CutsProvinceAndPrefectureCodesFromTheTrimmedCode)
{
    EXPECT_EQ(RegionCode::Prefix(QString::fromUtf8(GetParam().code)), QString::fromUtf8(GetParam().prefix));
}

INSTANTIATE_TEST_SUITE_P(Codes, RegionPrefixTest,
                         ::testing::Values(PrefixCase{"110000", "11"}, PrefixCase{"110100", "1101"},
                                           PrefixCase{"110101", "110101"}, PrefixCase{"000000", "00"},
                                           PrefixCase{"430000", "43"}, PrefixCase{"430100", "4301"},
                                           PrefixCase{"430102", "430102"}, PrefixCase{" 430000", "43"},
                                           PrefixCase{"430000 ", "43"}, PrefixCase{"430102 ", "430102"},
                                           PrefixCase{" 430100 ", "4301"}, PrefixCase{"", ""},
                                           PrefixCase{"   ", ""}, PrefixCase{"4301", "4301"},
                                           PrefixCase{"43000", "43000"}, PrefixCase{"4300000", "4300000"},
                                           PrefixCase{"AB0000", "AB0000"}, PrefixCase{"43AB00", "43AB00"},
                                           PrefixCase{"4A0000", "4A0000"}, PrefixCase{"43 000", "43 000"}));

struct NormaliseCase
{
    std::int64_t typed;
    std::int64_t code;
};

class RegionNormaliseTest : public ::testing::TestWithParam<NormaliseCase>
{
};

TEST_P(RegionNormaliseTest, ScalesShortNumbersToSixDigits)
{
    EXPECT_EQ(RegionCode::Normalise(GetParam().typed), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Numbers, RegionNormaliseTest,
                         ::testing::Values(NormaliseCase{32, 320000}, NormaliseCase{320, 320000},
                                           NormaliseCase{3201, 320100}, NormaliseCase{32010, 3201000},
                                           NormaliseCase{320102, 320102}, NormaliseCase{11, 110000},
                                           NormaliseCase{99, 990000}, NormaliseCase{100, 100000},
                                           NormaliseCase{999, 999000}, NormaliseCase{1000, 100000},
                                           NormaliseCase{99999, 9999900}, NormaliseCase{100000, 100000}));

TEST(RegionKey, ParsesWholeNumbersOnly)
{
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral(" 4301 ")), 4301);
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral("430102")), 430102);
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral("2.5")), 2); // a fraction rounds to even
    EXPECT_EQ(RegionCode::ParseKey(QString()), std::nullopt);
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral("   ")), std::nullopt);
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral("43a")), std::nullopt);
    EXPECT_EQ(RegionCode::ParseKey(QStringLiteral("2147483648")), std::nullopt);
}

} // namespace
