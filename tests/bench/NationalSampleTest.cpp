// The national configuration: the country's shape and scale, and the same on every call.
#include "NationalSample.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const SampleGenerator::Config& National()
{
    static const SampleGenerator::Config config = NationalSample::Config();
    return config;
}

TEST(NationalSampleTest, ThirtyOneProvincesUnderTheirOwnCodes)
{
    const auto& provinces = National().Provinces;
    ASSERT_EQ(provinces.size(), 31u);
    const auto hunan = std::find_if(provinces.begin(), provinces.end(),
                                    [](const auto& p) { return p.Code == QLatin1String("430000"); });
    ASSERT_NE(hunan, provinces.end());
    EXPECT_EQ(hunan->Name, QStringLiteral("湖南省"));
    EXPECT_EQ(hunan->Prefectures.size(), 14u);
}

TEST(NationalSampleTest, AboutThreeHundredFortyPrefecturesAndTwentyEightHundredCounties)
{
    EXPECT_GE(NationalSample::PrefectureCount(National()), 330);
    EXPECT_LE(NationalSample::PrefectureCount(National()), 350);
    EXPECT_GE(NationalSample::CountyCount(National()), 2700);
    EXPECT_LE(NationalSample::CountyCount(National()), 2900);
}

// Each code is six digits, unique, and lies under its parent as the region prefix rule reads
// it: a prefecture under the first two digits of its province, a county under the first four
// of its prefecture, and only provinces end in "0000".
TEST(NationalSampleTest, EveryCodeIsSixDigitsUniqueAndUnderItsParent)
{
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    QSet<QString> seen;
    for (const auto& province : National().Provinces) {
        SCOPED_TRACE(province.Code.toStdString());
        EXPECT_TRUE(province.Code.endsWith(QLatin1String("0000")));
        EXPECT_TRUE(sixDigits.match(province.Code).hasMatch());
        EXPECT_FALSE(seen.contains(province.Code));
        seen << province.Code;
        for (const auto& prefecture : province.Prefectures) {
            EXPECT_TRUE(sixDigits.match(prefecture.Code).hasMatch()) << prefecture.Code.toStdString();
            EXPECT_TRUE(prefecture.Code.startsWith(province.Code.left(2)));
            EXPECT_TRUE(prefecture.Code.endsWith(QLatin1String("00")));
            EXPECT_FALSE(prefecture.Code.endsWith(QLatin1String("0000")));
            EXPECT_FALSE(prefecture.Name.isEmpty());
            EXPECT_FALSE(seen.contains(prefecture.Code));
            seen << prefecture.Code;
            EXPECT_FALSE(prefecture.Counties.empty());
            for (const auto& county : prefecture.Counties) {
                EXPECT_TRUE(sixDigits.match(county.Code).hasMatch()) << county.Code.toStdString();
                EXPECT_TRUE(county.Code.startsWith(prefecture.Code.left(4)));
                EXPECT_FALSE(county.Code.endsWith(QLatin1String("00")));
                EXPECT_FALSE(county.Name.isEmpty());
                EXPECT_FALSE(seen.contains(county.Code)) << county.Code.toStdString();
                seen << county.Code;
            }
        }
    }
}

TEST(NationalSampleTest, SameConfigurationOnEveryCall)
{
    const SampleGenerator::Config again = NationalSample::Config();
    EXPECT_EQ(again.Seed, National().Seed);
    ASSERT_EQ(again.Provinces.size(), National().Provinces.size());
    for (std::size_t k = 0; k < again.Provinces.size(); ++k) {
        const auto& a = again.Provinces[k];
        const auto& b = National().Provinces[k];
        ASSERT_EQ(a.Prefectures.size(), b.Prefectures.size());
        for (std::size_t p = 0; p < a.Prefectures.size(); ++p) {
            EXPECT_EQ(a.Prefectures[p].Name, b.Prefectures[p].Name);
            ASSERT_EQ(a.Prefectures[p].Counties.size(), b.Prefectures[p].Counties.size());
            for (std::size_t i = 0; i < a.Prefectures[p].Counties.size(); ++i) {
                EXPECT_EQ(a.Prefectures[p].Counties[i].Code, b.Prefectures[p].Counties[i].Code);
                EXPECT_EQ(a.Prefectures[p].Counties[i].Name, b.Prefectures[p].Counties[i].Name);
            }
        }
    }
}

} // namespace
