#include "InputRules.h"

#include <gtest/gtest.h>

namespace {

using InputRules::Verdict;

struct RuleCase
{
    const char* family;
    const char* typed;
    bool accepted;
    const char* text; // what the box holds afterwards when accepted
};

Verdict Apply(const RuleCase& k)
{
    const QString typed = QString::fromUtf8(k.typed);
    const std::string family = k.family;
    if (family == "year")
        return InputRules::Year(typed);
    if (family == "month")
        return InputRules::Month(typed);
    if (family == "amount")
        return InputRules::NonNegativeAmount(typed);
    if (family == "signed")
        return InputRules::SignedAmount(typed);
    return InputRules::RegionKey(typed);
}

class InputRuleTest : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(InputRuleTest, AcceptsOrRefusesWhatIsTyped)
{
    const RuleCase& k = GetParam();
    const Verdict v = Apply(k);
    EXPECT_EQ(v.accepted, k.accepted);
    if (k.accepted) {
        EXPECT_EQ(v.text, QString::fromUtf8(k.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Year, InputRuleTest,
    ::testing::Values(RuleCase{"year", "", true, ""}, RuleCase{"year", "1000", true, "1000"},
                      RuleCase{"year", "2005", true, "2005"}, RuleCase{"year", "2999", true, "2999"},
                      RuleCase{"year", " 2005 ", true, " 2005 "}, RuleCase{"year", "0999", false, ""},
                      RuleCase{"year", "3000", false, ""}, RuleCase{"year", "99", false, ""},
                      RuleCase{"year", "20051", false, ""}, RuleCase{"year", "2O05", false, ""},
                      RuleCase{"year", "   ", false, ""}, RuleCase{"year", "-200", false, ""},
                      RuleCase{"year", "2005.", false, ""}));

INSTANTIATE_TEST_SUITE_P(
    Month, InputRuleTest,
    ::testing::Values(RuleCase{"month", "", true, ""}, RuleCase{"month", "1", true, "1"},
                      RuleCase{"month", "12", true, "12"}, RuleCase{"month", "01", true, "01"},
                      RuleCase{"month", "09", true, "09"}, RuleCase{"month", " 6 ", true, " 6 "},
                      RuleCase{"month", "0", false, ""}, RuleCase{"month", "00", false, ""},
                      RuleCase{"month", "13", false, ""}, RuleCase{"month", "100", false, ""},
                      RuleCase{"month", "012", false, ""}, RuleCase{"month", "6.", false, ""},
                      RuleCase{"month", "-1", false, ""}, RuleCase{"month", " ", false, ""},
                      RuleCase{"month", "a", false, ""}));

INSTANTIATE_TEST_SUITE_P(
    NonNegativeAmount, InputRuleTest,
    ::testing::Values(RuleCase{"amount", "", true, ""}, RuleCase{"amount", "12.3456", true, "12.35"},
                      RuleCase{"amount", "7.50", true, "7.5"}, RuleCase{"amount", "3.00", true, "3"},
                      RuleCase{"amount", " 100 ", true, "100"}, RuleCase{"amount", "+5", true, "5"},
                      RuleCase{"amount", "0.125", true, "0.12"}, RuleCase{"amount", "0.375", true, "0.38"},
                      RuleCase{"amount", ".5", true, "0.5"}, RuleCase{"amount", "5.", true, "5"},
                      RuleCase{"amount", "0.001", true, "0"},
                      RuleCase{"amount", "1234567.891", true, "1234567.89"},
                      RuleCase{"amount", "-5", false, ""}, RuleCase{"amount", " -0", false, ""},
                      RuleCase{"amount", "abc", false, ""}, RuleCase{"amount", "1e3", false, ""},
                      RuleCase{"amount", "1,000", false, ""}, RuleCase{"amount", "  ", false, ""},
                      RuleCase{"amount", "1 2", false, ""}));

INSTANTIATE_TEST_SUITE_P(
    SignedAmount, InputRuleTest,
    ::testing::Values(RuleCase{"signed", "", true, ""}, RuleCase{"signed", "-5", true, "-5"},
                      RuleCase{"signed", "-0.001", true, "0"},
                      RuleCase{"signed", " -12.3456", true, "-12.35"},
                      RuleCase{"signed", "7.50", true, "7.5"}, RuleCase{"signed", "--5", false, ""},
                      RuleCase{"signed", "5-", false, ""}, RuleCase{"signed", "x", false, ""}));

INSTANTIATE_TEST_SUITE_P(
    RegionKey, InputRuleTest,
    ::testing::Values(RuleCase{"region", "", true, ""}, RuleCase{"region", "   ", true, "   "},
                      RuleCase{"region", "43", true, "43"}, RuleCase{"region", " 430102 ", true, " 430102 "},
                      RuleCase{"region", "4301.5", true, "4301.5"}, RuleCase{"region", "43a", false, ""},
                      RuleCase{"region", "湖南", false, ""}));

struct CompletenessCase
{
    int item;
    const char* start;
    const char* end;
    bool complete;
};

class RangeCompletenessTest : public ::testing::TestWithParam<CompletenessCase>
{
};

TEST_P(RangeCompletenessTest, ChosenRangesNeedTheirNumbers)
{
    const CompletenessCase& k = GetParam();
    EXPECT_EQ(InputRules::RangeComplete(k.item, QString::fromUtf8(k.start), QString::fromUtf8(k.end)),
              k.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Items, RangeCompletenessTest,
    ::testing::Values(CompletenessCase{0, "", "", true}, CompletenessCase{0, "5", "x", true},
                      CompletenessCase{-1, "", "", true}, CompletenessCase{1, "100", "", true},
                      CompletenessCase{1, "", "100", false}, CompletenessCase{1, "  ", "", false},
                      CompletenessCase{2, "150", "", true}, CompletenessCase{2, "", "", false},
                      CompletenessCase{3, "1", "2", true}, CompletenessCase{3, "1", " ", false},
                      CompletenessCase{3, "", "2", false}));

TEST(InputRules, RangeItemsAndMessages)
{
    EXPECT_EQ(InputRules::RangeItemTexts[InputRules::Unlimited], QStringLiteral("不限"));
    EXPECT_EQ(InputRules::RangeItemTexts[InputRules::AtLeast], QStringLiteral("不小于(≥)"));
    EXPECT_EQ(InputRules::RangeItemTexts[InputRules::AtMost], QStringLiteral("不大于（≤）"));
    EXPECT_EQ(InputRules::RangeItemTexts[InputRules::Between], QStringLiteral("区间"));
    EXPECT_EQ(InputRules::FixedAssetsMessage, QStringLiteral("请输入正确数据！（固定资产）"));
}

} // namespace
