// The lower bounds compute what the reports compute: on the Hunan sample every report of the
// benchmark, run as the window runs it, agrees region by region with its single statement.
// Otherwise a ratio to the lower bound would compare unlike work.
#include "LowerBound.h"
#include "BenchPlan.h"
#include "BenchRunner.h"
#include "SampleGenerator.h"
#include "TempAppFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class LowerBoundTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempAppFolder;
        SampleGenerator(SampleGenerator::Hunan()).Write(folder_->SourceDatabase());
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }

    LowerBoundTest() : plan_(BenchPlan::Load()), runner_(plan_, {1, 0}) {}

    static TempAppFolder* folder_;
    BenchPlan plan_;
    BenchRunner runner_;
};
TempAppFolder* LowerBoundTest::folder_ = nullptr;

TEST_F(LowerBoundTest, PlanTakesHunanAndItsPrefecturesAndItsHotels)
{
    ASSERT_EQ(plan_.Regions.size(), 15);
    EXPECT_EQ(plan_.Regions.front(), QStringLiteral("430000"));
    EXPECT_EQ(plan_.Regions[1], QStringLiteral("430100"));
    EXPECT_GE(plan_.Enterprises.size(), 250);
    for (const QString& code : plan_.Enterprises)
        EXPECT_TRUE(code.startsWith(QLatin1String("B1"))) << code.toStdString();
}

TEST_F(LowerBoundTest, HotelReportAgreesWithItsStatement)
{
    const BenchRunner::Result result = runner_.Hotel();
    EXPECT_EQ(result.Differences, QStringList());
    EXPECT_EQ(result.Total.Count(), 1);
    EXPECT_EQ(result.LowerBound.Count(), 1);
    EXPECT_EQ(result.RowsSaved, 24 + 9 * (1 + plan_.Regions.size()));
}

TEST_F(LowerBoundTest, AnnualReportAgreesWithItsStatement)
{
    const BenchRunner::Result result = runner_.Annual();
    EXPECT_EQ(result.Differences, QStringList());
    EXPECT_EQ(result.RowsSaved, 9 + 12 * (1 + plan_.Regions.size()));
}

TEST_F(LowerBoundTest, LedgerByRegionAgreesWithItsStatementInBothYears)
{
    const BenchRunner::Result result = runner_.LedgerByRegion();
    EXPECT_EQ(result.Differences, QStringList());
    EXPECT_EQ(result.RowsSaved, 1 + plan_.Regions.size());
}

TEST_F(LowerBoundTest, LedgerByEnterpriseAgreesWithItsStatement)
{
    const BenchRunner::Result result = runner_.LedgerByEnterprise();
    EXPECT_EQ(result.Differences, QStringList());
    EXPECT_EQ(result.RowsSaved, 1 + plan_.Enterprises.size());
}

TEST_F(LowerBoundTest, RendersTheReportOfTheLastRunToPdf)
{
    runner_.Hotel();
    const QString pdf = folder_->Path() + QStringLiteral("/1-2.pdf");
    const BenchRunner::Result result = runner_.Pdf(QStringLiteral("1-2"), pdf);
    EXPECT_EQ(result.Total.Count(), 1);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

// A region the statement finds no returns for is all zeros, not a difference; anything
// beyond the rounding of long sums is one.
TEST(LowerBoundCompareTest, MissingRegionIsZeroAndOnlyRealDifferencesCount)
{
    const LowerBound::Figures engine{{QStringLiteral("430000"), {3, 1234567.891}},
                                     {QStringLiteral("430100"), {0, 0}},
                                     {QStringLiteral("430200"), {2, 10}}};
    const LowerBound::Figures statement{{QStringLiteral("430000"), {3, 1234567.891 + 1e-7}},
                                        {QStringLiteral("430200"), {2, 10.5}}};
    EXPECT_EQ(LowerBound::Compare(statement, engine),
              QStringList{QStringLiteral("430200 figure 1: 10.5 against 10")});
    EXPECT_EQ(LowerBound::Compare(engine, engine), QStringList());
    EXPECT_EQ(LowerBound::Compare({}, {{QStringLiteral("430300"), {1}}}).size(), 1);
}

} // namespace
