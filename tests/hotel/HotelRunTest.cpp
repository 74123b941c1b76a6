// The words a hotel run is described with: only what differs from the window's initial state.
#include "HotelCondition.h"
#include "HotelRun.h"
#include "ReportRun.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct ConditionCase
{
    const char* name;
    std::function<void(HotelCondition&)> change;
    QStringList expected;
};

class HotelRunConditions : public ::testing::TestWithParam<ConditionCase>
{
};

TEST_P(HotelRunConditions, NameWhatDiffersFromTheInitialState)
{
    HotelCondition c = HotelCondition::AllHotels(2025, 12);
    GetParam().change(c);
    EXPECT_EQ(HotelRun::Conditions(c), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, HotelRunConditions, ::testing::Values(
    ConditionCase{"Initial", [](HotelCondition&) {}, {}},
    ConditionCase{"AtLeast", [](HotelCondition& c) { c.RoomsStart = 100; }, {"客房规模 ≥ 100"}},
    ConditionCase{"AtMost", [](HotelCondition& c) { c.IncomePerEnd = 0.2; }, {"人均营业收入 ≤ 0.2"}},
    ConditionCase{"Between", [](HotelCondition& c) { c.OpenDateStart = 2000; c.OpenDateEnd = 2010; },
                  {"开业时间 2000 至 2010"}},
    ConditionCase{"Exactly", [](HotelCondition& c) { c.RentPercentStart = c.RentPercentEnd = 50; },
                  {"客房出租率 = 50"}},
    ConditionCase{"Lists", [](HotelCondition& c) { c.SetRegType({110, 120, 210, 220, 230, 240, 310});
                                                   c.SetStarlevel({3, 4, 5});
                                                   c.SetStatCategory({"B1"}); },
                  {"注册类型 国有、集体、港澳台、310", "星级 3星、4星、5星", "统计类别 B1"}},
    ConditionCase{"NothingTicked", [](HotelCondition& c) { c.SetStarlevel({}); c.ProfitTotalEnd = 3; },
                  {"星级 无", "利润总额 ≤ 3"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReportRunLine, JoinsPeriodRegionsAndConditionsAndCountsLongLists)
{
    ReportRun run;
    run.Analysis = "饭店分析报表";
    run.Period = ReportRun::PeriodText(2025, 12);
    run.Regions = {"湖南省", "长沙市"};
    run.Conditions = {"客房规模 ≥ 100"};
    EXPECT_EQ(run.Line(), QStringLiteral("2025年12月 · 湖南省、长沙市 · 客房规模 ≥ 100"));

    run.Conditions.clear();
    run.Period = ReportRun::PeriodText(2024, 0);
    for (int k = 3; k <= 10; ++k)
        run.Regions << QStringLiteral("地区%1").arg(k);
    EXPECT_EQ(run.Line(),
              QStringLiteral("2024年 · 湖南省、长沙市、地区3、地区4、地区5、地区6、地区7、地区8等 10 个地区"));
    run.ByEnterprise = true;
    EXPECT_TRUE(run.Line().endsWith(QStringLiteral("等 10 家企业")));
}

} // namespace
