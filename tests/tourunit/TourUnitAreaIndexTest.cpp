#include "TourUnitAreaIndex.h"
#include "TourUnitAreaData.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Seven = std::array<double, 7>;

TourUnitAreaIndex Sums(double fixAssets, double depreciation, double income, double profit, double tax,
                       double employees, double units = 1)
{
    return TourUnitAreaIndex{fixAssets, depreciation, income, profit, tax, employees, units};
}

Seven SevenSums(const TourUnitAreaIndex& i)
{
    return {i.FixAssetsInitialPrice, i.AccumulatedDepreciation, i.OperationIncome, i.ProfitTotal,
            i.OperationTaxAddition,  i.YearendEmployment,       i.TourUnitNum};
}

struct IndicatorCase
{
    const char* name;
    TourUnitAreaIndex sums;
    double netValue, profitPercent, laborProductivity, taxPerCapita, profitPerCapita, fixAssetsPerCapita;
};

class IndicatorTest : public ::testing::TestWithParam<IndicatorCase>
{
};

TEST_P(IndicatorTest, AreRoundedQuotientsWithZeroForAZeroDivisor)
{
    const IndicatorCase& c = GetParam();
    EXPECT_DOUBLE_EQ(c.sums.FixAssetsNetValue(), c.netValue);
    EXPECT_DOUBLE_EQ(c.sums.ProfitPercent(), c.profitPercent);
    EXPECT_DOUBLE_EQ(c.sums.LaborProductivity(), c.laborProductivity);
    EXPECT_DOUBLE_EQ(c.sums.TaxPerCapita(), c.taxPerCapita);
    EXPECT_DOUBLE_EQ(c.sums.ProfitTotalPerCapita(), c.profitPerCapita);
    EXPECT_DOUBLE_EQ(c.sums.FixAssetsInitialPerCapita(), c.fixAssetsPerCapita);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndicatorTest,
    ::testing::Values(IndicatorCase{"empty", TourUnitAreaIndex(), 0, 0, 0, 0, 0, 0},
                      IndicatorCase{"eighth", Sums(0, 0, 8, 1, 0, 0), 0, 12.5, 0, 0, 0, 0},
                      IndicatorCase{"third", Sums(0, 0, 3, 1, 0, 0), 0, 33.33, 0, 0, 0, 0},
                      IndicatorCase{"taxAndProfit", Sums(0, 0, 0, 20, 10, 4), 0, 0, 0, 7.5, 5, 0},
                      // no employees: only the profit rate is computed
                      IndicatorCase{"noEmployees", Sums(500, 100, 200, 50, 5, 0), 400, 25, 0, 0, 0, 0},
                      // no income: profit rate 0, the per-employee figures still computed
                      IndicatorCase{"noIncome", Sums(90, 0, 0, 30, 0, 6), 90, 0, 0, 5, 5, 15},
                      // exact binary ties go to the even neighbour: 0.375 -> 0.38, 0.125 -> 0.12
                      IndicatorCase{"ties", Sums(1000, 200, 3, 1, 0.5, 8), 800, 33.33, 0.38, 0.19, 0.12, 125},
                      // a negative divisor is divided by
                      IndicatorCase{"negativeIncome", Sums(10, 20, -40, 10, 0, 3), -10, -25, -13.33, 3.33,
                                    3.33, 3.33},
                      IndicatorCase{"loss", Sums(500, 50, 160, -8, 5, 20), 450, -5, 8, -0.15, -0.4, 25}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TourUnitAreaIndex, AddingChangesOnlyTheTargetAndClearZeroesIt)
{
    TourUnitAreaIndex dest = Sums(1, 2, 3, 4, 5, 6, 1);
    const TourUnitAreaIndex source = Sums(10, 20, 30, 40, 50, 60, 2);
    TourUnitAreaIndex::AddTourUnitAreaIndex(dest, source);
    EXPECT_EQ(SevenSums(dest), (Seven{11, 22, 33, 44, 55, 66, 3}));
    EXPECT_EQ(SevenSums(source), (Seven{10, 20, 30, 40, 50, 60, 2}));
    dest.Clear();
    EXPECT_EQ(SevenSums(dest), Seven{});
}

// Every category gets its own figures, so a mix-up between two categories shows.
TourUnitAreaData Region(double scale)
{
    TourUnitAreaData data;
    data.areacode = QStringLiteral("430100");
    data.TravelAgencyDataInternational = Sums(1 * scale, 0, 10 * scale, 1, 0, 1, 1);
    data.TravelAgencyDataDomestic = Sums(2 * scale, 0, 20 * scale, 2, 0, 2, 2);
    data.HotelDataDomestic = Sums(3 * scale, 1, 30 * scale, 3, 0, 3, 3);
    data.HotelDataInternational = Sums(4 * scale, 1, 40 * scale, 4, 0, 4, 4);
    data.TravelSpotData = Sums(5 * scale, 0, 50 * scale, 5, 0, 5, 5);
    data.OthersCorpData = Sums(6 * scale, 0, 60 * scale, 6, 0, 6, 6);
    return data;
}

TEST(TourUnitAreaData, ViewsAreSumsOfTheirCategoriesTakenAsSnapshots)
{
    TourUnitAreaData data = Region(1);
    EXPECT_EQ(data.TravelAgencyData().OperationIncome, 30);
    EXPECT_EQ(data.TravelRestaurantData().OperationIncome, 70);
    EXPECT_EQ(data.TravelRestaurantData().AccumulatedDepreciation, 2);
    const TourUnitAreaIndex all = data.AllAgencyData();
    EXPECT_EQ(SevenSums(all), (Seven{21, 2, 210, 21, 0, 21, 21}));
    data.OthersCorpData.OperationIncome += 1000;
    EXPECT_EQ(all.OperationIncome, 210); // a view read earlier does not follow the region
    EXPECT_EQ(data.AllAgencyData().OperationIncome, 1210);
}

TEST(TourUnitAreaData, TotalAddsEveryCategoryAndKeepsAnEmptyCode)
{
    TourUnitAreaData total;
    const TourUnitAreaData a = Region(1);
    TourUnitAreaData::AddTourUnitAreaData(total, a);
    TourUnitAreaData::AddTourUnitAreaData(total, Region(10));
    EXPECT_TRUE(total.areacode.isEmpty());
    EXPECT_EQ(SevenSums(total.TravelAgencyDataInternational), (Seven{11, 0, 110, 2, 0, 2, 2}));
    EXPECT_EQ(SevenSums(total.TravelAgencyDataDomestic), (Seven{22, 0, 220, 4, 0, 4, 4}));
    EXPECT_EQ(SevenSums(total.HotelDataDomestic), (Seven{33, 2, 330, 6, 0, 6, 6}));
    EXPECT_EQ(SevenSums(total.HotelDataInternational), (Seven{44, 2, 440, 8, 0, 8, 8}));
    EXPECT_EQ(SevenSums(total.TravelSpotData), (Seven{55, 0, 550, 10, 0, 10, 10}));
    EXPECT_EQ(SevenSums(total.OthersCorpData), (Seven{66, 0, 660, 12, 0, 12, 12}));
    EXPECT_EQ(SevenSums(a.OthersCorpData), SevenSums(Region(1).OthersCorpData)); // the source stays

    // indicators of a total are ratios of its sums, not averages of the regions' ratios (10 and 30)
    TourUnitAreaData low, high, spots;
    low.TravelSpotData = Sums(0, 0, 100, 10, 0, 0);
    high.TravelSpotData = Sums(0, 0, 300, 90, 0, 0);
    TourUnitAreaData::AddTourUnitAreaData(spots, low);
    TourUnitAreaData::AddTourUnitAreaData(spots, high);
    EXPECT_EQ(spots.TravelSpotData.ProfitPercent(), 25);
    EXPECT_EQ(spots.AllAgencyData().ProfitPercent(), 25);
}

} // namespace
