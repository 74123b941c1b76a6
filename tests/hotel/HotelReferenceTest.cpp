#include "HotelFixture.h"
#include "HotelRun.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

struct ReferenceRun
{
    const char* name;
    QStringList options;
};

void PrintTo(const ReferenceRun& run, std::ostream* os)
{
    *os << run.name;
}

class HotelReferenceTest : public ::testing::TestWithParam<ReferenceRun>
{
};

TEST_P(HotelReferenceTest, ResultTablesMatchTheReference)
{
    TempAppFolder folder;
    LoadHotelFixture(folder);
    QString printed;
    ASSERT_EQ(RunHotel(QStringList{QStringLiteral("--year"), QStringLiteral("2025"),
                                   QStringLiteral("--month"), QStringLiteral("12")} +
                           GetParam().options,
                       &printed),
              0);
    EXPECT_EQ(printed, QStringLiteral("计算完成\n"));
    ExpectReference(QStringLiteral("hotel/reference/%1.txt").arg(QLatin1String(GetParam().name)),
                    ResultTables(folder));
}

QStringList Split(const char* options)
{
    return QString::fromUtf8(options).split(QLatin1Char(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, HotelReferenceTest,
    ::testing::Values(
        // The window's initial state over a province, a prefecture, a county, the region with an
        // apostrophe in its name, and a second province; typed as short numbers where the window allows.
        ReferenceRun{"all_hotels",
                     Split("--region 43 --region 4301 --region 430102 --region 430200 --region 44")},
        // Conditions that go into the query.
        ReferenceRun{"query_conditions",
                     Split("--regtype 110,120,130,210,220,230,240,310 --star 3,4,5 --category B1,B2 "
                           "--rooms 100:499 --open-year 2000: --fixed-assets :4000 --income 5: --profit :3 "
                           "--region 430000 --region 430200 --region 440100")},
        // Conditions tested per hotel after reading it; a region given twice counts twice.
        ReferenceRun{"hotel_tests",
                     Split("--occupancy 70:90 --reception 1000: --income-per :0.2 --profit-per 0: "
                           "--region 4301 --region 430121 --region 44 --region 4301")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
