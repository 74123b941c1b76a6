#include "TourUnitAreaIndex.h"
#include "TourUnitAreaData.h"

#include <gtest/gtest.h>

namespace {

TourUnitAreaIndex Sums(double fixAssets, double depreciation, double income, double profit, double tax,
                       double employees, double units = 1)
{
    TourUnitAreaIndex index;
    index.FixAssetsInitialPrice = fixAssets;
    index.AccumulatedDepreciation = depreciation;
    index.OperationIncome = income;
    index.ProfitTotal = profit;
    index.OperationTaxAddition = tax;
    index.YearendEmployment = employees;
    index.TourUnitNum = units;
    return index;
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

TEST(TourUnitAreaIndex, ClearZeroesAllSevenSums)
{
    TourUnitAreaIndex index = Sums(1, 2, 3, 4, 5, 6, 7);
    index.Clear();
    for (double sum :
         {index.FixAssetsInitialPrice, index.AccumulatedDepreciation, index.OperationIncome,
          index.ProfitTotal, index.OperationTaxAddition, index.YearendEmployment, index.TourUnitNum})
        EXPECT_EQ(sum, 0);
}

TEST(TourUnitAreaIndex, AddingChangesOnlyTheTarget)
{
    TourUnitAreaIndex dest = Sums(1, 2, 3, 4, 5, 6, 1);
    const TourUnitAreaIndex source = Sums(10, 20, 30, 40, 50, 60, 2);
    TourUnitAreaIndex bystander;
    bystander.AddTourUnitAreaIndex(dest, source); // the instance it is called on plays no part
    EXPECT_EQ(dest.FixAssetsInitialPrice, 11);
    EXPECT_EQ(dest.AccumulatedDepreciation, 22);
    EXPECT_EQ(dest.OperationIncome, 33);
    EXPECT_EQ(dest.ProfitTotal, 44);
    EXPECT_EQ(dest.OperationTaxAddition, 55);
    EXPECT_EQ(dest.YearendEmployment, 66);
    EXPECT_EQ(dest.TourUnitNum, 3);
    EXPECT_EQ(source.FixAssetsInitialPrice, 10);
    EXPECT_EQ(bystander.TourUnitNum, 0);
}

TourUnitAreaData Region(const QString& code, double scale)
{
    TourUnitAreaData data;
    data.areacode = code;
    data.TravelAgencyDataInternational = Sums(1 * scale, 0, 10 * scale, 1 * scale, 0, 1, 1);
    data.TravelAgencyDataDomestic = Sums(2 * scale, 0, 20 * scale, 2 * scale, 0, 2, 2);
    data.HotelDataDomestic = Sums(3 * scale, 1, 30 * scale, 3 * scale, 0, 3, 3);
    data.HotelDataInternational = Sums(4 * scale, 1, 40 * scale, 4 * scale, 0, 4, 4);
    data.TravelSpotData = Sums(5 * scale, 0, 50 * scale, 5 * scale, 0, 5, 5);
    data.OthersCorpData = Sums(6 * scale, 0, 60 * scale, 6 * scale, 0, 6, 6);
    return data;
}

TEST(TourUnitAreaData, ViewsAreIndependentSnapshots)
{
    TourUnitAreaData data = Region(QStringLiteral("430100"), 1);
    TourUnitAreaIndex first = data.AllAgencyData();
    const TourUnitAreaIndex second = data.AllAgencyData();
    first.OperationIncome = -1;
    EXPECT_EQ(first.OperationIncome + 1, 0);
    EXPECT_EQ(second.OperationIncome, 210);               // two objects, not one shared
    EXPECT_EQ(data.AllAgencyData().OperationIncome, 210); // a changed view leaves the region alone
    data.OthersCorpData.OperationIncome += 1000;
    EXPECT_EQ(second.OperationIncome, 210);
    EXPECT_EQ(data.AllAgencyData().OperationIncome, 1210);
    const TourUnitAreaIndex agencies = data.TravelAgencyData();
    data.TravelAgencyDataDomestic.Clear();
    EXPECT_EQ(agencies.OperationIncome, 30);
}

TEST(TourUnitAreaData, TotalOfTwoRegionsAddsEveryCategoryAndKeepsAnEmptyCode)
{
    TourUnitAreaData total;
    const TourUnitAreaData a = Region(QStringLiteral("430100"), 1);
    const TourUnitAreaData b = Region(QStringLiteral("430200"), 10);
    TourUnitAreaData::AddTourUnitAreaData(total, a);
    TourUnitAreaData::AddTourUnitAreaData(total, b);
    EXPECT_TRUE(total.areacode.isEmpty());
    EXPECT_EQ(total.TravelAgencyDataInternational.OperationIncome, 110);
    EXPECT_EQ(total.TravelAgencyDataDomestic.OperationIncome, 220);
    EXPECT_EQ(total.HotelDataDomestic.OperationIncome, 330);
    EXPECT_EQ(total.HotelDataInternational.OperationIncome, 440);
    EXPECT_EQ(total.TravelSpotData.OperationIncome, 550);
    EXPECT_EQ(total.OthersCorpData.OperationIncome, 660);
    EXPECT_EQ(total.OthersCorpData.TourUnitNum, 12);
    EXPECT_EQ(total.AllAgencyData().TourUnitNum, 42);
    EXPECT_EQ(a.OthersCorpData.OperationIncome, 60); // the source stays as it was
}

TEST(TourUnitAreaData, TotalProfitRateIsTheRatioOfSumsNotTheAverageOfRates)
{
    TourUnitAreaData a;
    a.TravelSpotData = Sums(0, 0, 100, 10, 0, 0);
    TourUnitAreaData b;
    b.TravelSpotData = Sums(0, 0, 300, 90, 0, 0);
    EXPECT_EQ(a.TravelSpotData.ProfitPercent(), 10);
    EXPECT_EQ(b.TravelSpotData.ProfitPercent(), 30);
    TourUnitAreaData total;
    TourUnitAreaData::AddTourUnitAreaData(total, a);
    TourUnitAreaData::AddTourUnitAreaData(total, b);
    EXPECT_EQ(total.TravelSpotData.ProfitPercent(), 25);
    EXPECT_EQ(total.AllAgencyData().ProfitPercent(), 25);
}

} // namespace
