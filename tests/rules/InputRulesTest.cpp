#include "InputRules.h"
#include "TallixInput.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Family = InputRules::Verdict (*)(const QString&);

struct RuleCase
{
    Family family;
    const char* typed;
    const char* after; // what the box holds once accepted; nullptr: refused
};

class InputRuleTest : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(InputRuleTest, AcceptsOrRefusesWhatIsTyped)
{
    const RuleCase& k = GetParam();
    const InputRules::Verdict v = k.family(QString::fromUtf8(k.typed));
    EXPECT_EQ(v.accepted, k.after != nullptr);
    if (k.after) {
        EXPECT_EQ(v.text, QString::fromUtf8(k.after));
    }
}

using namespace InputRules;

struct Typed
{
    const char* typed;
    const char* after;
};

// clang-format off
const Typed Years[] = {
    {"", ""}, {"1000", "1000"}, {"2999", "2999"}, {" 2005 ", " 2005 "}, {"0999", nullptr}, {"3000", nullptr},
    {"99", nullptr}, {"20051", nullptr}, {"2O05", nullptr}, {"   ", nullptr}, {"-200", nullptr}, {"2005.", nullptr}};
const Typed Months[] = {
    {"", ""}, {"1", "1"}, {"12", "12"}, {"01", "01"}, {"09", "09"}, {" 6 ", " 6 "}, {"0", nullptr}, {"00", nullptr},
    {"13", nullptr}, {"100", nullptr}, {"012", nullptr}, {"6.", nullptr}, {"-1", nullptr}, {" ", nullptr},
    {"a", nullptr}};
// clang-format on

template <std::size_t N> std::vector<RuleCase> Cases(Family family, const Typed (&typed)[N])
{
    std::vector<RuleCase> cases;
    for (const Typed& t : typed)
        cases.push_back({family, t.typed, t.after});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Year, InputRuleTest, ::testing::ValuesIn(Cases(Year, Years)));
INSTANTIATE_TEST_SUITE_P(Month, InputRuleTest, ::testing::ValuesIn(Cases(Month, Months)));

// The ledger's window and command take the years and months the other analyses take.
TEST(InputRules, TheLedgerTakesTheSameYearsAndMonths)
{
    for (const Typed& t : Years)
        EXPECT_EQ(TallixInput::YearAccepted(QString::fromUtf8(t.typed)), t.after != nullptr)
            << '"' << t.typed << '"';
    for (const Typed& t : Months)
        EXPECT_EQ(TallixInput::MonthAccepted(QString::fromUtf8(t.typed)), t.after != nullptr)
            << '"' << t.typed << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NonNegativeAmount, InputRuleTest, ::testing::Values(
    RuleCase{NonNegativeAmount, "", ""}, RuleCase{NonNegativeAmount, "12.3456", "12.35"},
    RuleCase{NonNegativeAmount, "7.50", "7.5"}, RuleCase{NonNegativeAmount, "3.00", "3"},
    RuleCase{NonNegativeAmount, " 100 ", "100"}, RuleCase{NonNegativeAmount, "+5", "5"},
    RuleCase{NonNegativeAmount, "0.125", "0.12"}, RuleCase{NonNegativeAmount, "0.375", "0.38"},
    RuleCase{NonNegativeAmount, ".5", "0.5"}, RuleCase{NonNegativeAmount, "5.", "5"},
    RuleCase{NonNegativeAmount, "0.001", "0"}, RuleCase{NonNegativeAmount, "1234567.891", "1234567.89"},
    RuleCase{NonNegativeAmount, "-5", nullptr}, RuleCase{NonNegativeAmount, " -0", nullptr},
    RuleCase{NonNegativeAmount, "abc", nullptr}, RuleCase{NonNegativeAmount, "1e3", nullptr},
    RuleCase{NonNegativeAmount, "1,000", nullptr}, RuleCase{NonNegativeAmount, "  ", nullptr},
    RuleCase{NonNegativeAmount, "1 2", nullptr}));

INSTANTIATE_TEST_SUITE_P(SignedAmount, InputRuleTest, ::testing::Values(
    RuleCase{SignedAmount, "", ""}, RuleCase{SignedAmount, "-5", "-5"}, RuleCase{SignedAmount, "-0.001", "0"},
    RuleCase{SignedAmount, " -12.3456", "-12.35"}, RuleCase{SignedAmount, "7.50", "7.5"},
    RuleCase{SignedAmount, "--5", nullptr}, RuleCase{SignedAmount, "5-", nullptr},
    RuleCase{SignedAmount, "x", nullptr}));

INSTANTIATE_TEST_SUITE_P(RegionKey, InputRuleTest, ::testing::Values(
    RuleCase{RegionKey, "", ""}, RuleCase{RegionKey, "   ", "   "}, RuleCase{RegionKey, "43", "43"},
    RuleCase{RegionKey, " 430102 ", " 430102 "}, RuleCase{RegionKey, "4301.5", "4301.5"},
    RuleCase{RegionKey, "43a", nullptr}, RuleCase{RegionKey, "湖南", nullptr}));
// clang-format on

TEST(InputRules, ChosenRangesNeedTheirNumbers)
{
    const struct
    {
        int item;
        const char* start;
        const char* end;
        bool complete;
    } cases[] = {{Unlimited, "", "", true},  {Unlimited, "5", "x", true}, {-1, "", "", true},
                 {AtLeast, "100", "", true}, {AtLeast, "", "100", false}, {AtLeast, "  ", "", false},
                 {AtMost, "150", "", true},  {AtMost, "", "", false},     {Between, "1", "2", true},
                 {Between, "1", " ", false}, {Between, "", "2", false}};
    for (const auto& k : cases)
        EXPECT_EQ(RangeComplete(k.item, QString::fromUtf8(k.start), QString::fromUtf8(k.end)), k.complete)
            << k.item << " '" << k.start << "' '" << k.end << "'";
}

} // namespace

namespace {

TEST(InputRules, ARangeRunsFromItsLowerBoundUp)
{
    using namespace InputRules;
    const struct
    {
        int item;
        const char* start;
        const char* end;
        bool ordered;
    } cases[] = {
        {Between, "100", "300", true}, {Between, "300", "100", false},    {Between, "150", "150", true},
        {Between, "-5", "-10", false}, {Between, " 2.5", "2.49 ", false}, {Between, "x", "1", true},
        {Between, "", "1", true},      {AtLeast, "300", "100", true},     {Unlimited, "9", "1", true}};
    for (const auto& k : cases)
        EXPECT_EQ(RangeOrdered(k.item, QString::fromUtf8(k.start), QString::fromUtf8(k.end)), k.ordered)
            << k.item << " '" << k.start << "' '" << k.end << "'";
}

} // namespace
