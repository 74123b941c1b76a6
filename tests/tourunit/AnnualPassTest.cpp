#include "AnnualFixture.h"
#include "AreaSum.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "TempAppFolder.h"
#include "TourUnitAreaData.h"
#include "TourUnitReport.h"

#include <gtest/gtest.h>

namespace {

class AnnualPassTest : public ::testing::Test
{
protected:
    void SetUp() override { FillAnnualSource(folder); }
    std::shared_ptr<TourUnitAreaData> Run(const QString& code, std::int16_t year = 2025)
    {
        return engine.CalculateTourUnit(code, year);
    }
    TempAppFolder folder;
    AreaSum engine;
};

TEST_F(AnnualPassTest, ReferenceRunWritesEveryAnnualTable)
{
    TourUnitReport report;
    for (const QString& code : AnnualRegions())
        report.Add(engine.CalculateTourUnit(code, 2025));
    report.Save();
    ExpectAnnualReference(folder);
}

TEST_F(AnnualPassTest, CountySumsTwoMonthsOfOneEnterpriseAndCountsItOnce)
{
    const auto data = Run(QStringLiteral("430102"));
    EXPECT_EQ(data->areacode, QStringLiteral("430102"));
    EXPECT_EQ(data->TravelAgencyDataInternational.TourUnitNum, 1);
    EXPECT_EQ(data->TravelAgencyDataInternational.OperationIncome, 800);
    EXPECT_EQ(data->TravelAgencyDataInternational.AccumulatedDepreciation, 25);
    EXPECT_EQ(data->TravelAgencyDataDomestic.TourUnitNum, 0); // A002 lies in 430103
    // B101 only: 900 and NULL registration types go nowhere
    EXPECT_EQ(data->HotelDataDomestic.TourUnitNum, 1);
    EXPECT_EQ(data->HotelDataDomestic.OperationIncome, 3);
    EXPECT_EQ(data->HotelDataInternational.TourUnitNum, 0);
    // C001 of 2025; C003 has returns of 2024 only
    EXPECT_EQ(data->TravelSpotData.TourUnitNum, 1);
    EXPECT_EQ(data->TravelSpotData.AccumulatedDepreciation, 0);
    EXPECT_EQ(data->TravelSpotData.FixAssetsNetValue(), 200);
    EXPECT_EQ(data->OthersCorpData.TourUnitNum, 0); // E001 lies in 430101
}

TEST_F(AnnualPassTest, ProvinceTakesEveryEnterpriseOfItsTwoDigits)
{
    const auto data = Run(QStringLiteral("430000"));
    EXPECT_EQ(data->TravelAgencyData().TourUnitNum, 2); // the type 3 agency is in no figure
    EXPECT_EQ(data->TravelAgencyData().OperationIncome, 1040);
    EXPECT_EQ(data->AllAgencyData().TourUnitNum, 11);
    // B105's income is NULL: it adds nothing to the income but is counted
    EXPECT_EQ(data->HotelDataDomestic.TourUnitNum, 2);
    EXPECT_EQ(data->HotelDataDomestic.OperationIncome, 3);
    EXPECT_EQ(data->HotelDataInternational.TourUnitNum, 3); // 310, 230 and group 12
    EXPECT_EQ(data->OthersCorpData.FixAssetsNetValue(), 28);
}

TEST_F(AnnualPassTest, ACodeWithATrailingBlankSelectsWhatTheBareCodeSelects)
{
    const auto blank = Run(QStringLiteral("430102 "));
    const auto bare = Run(QStringLiteral("430102"));
    EXPECT_EQ(blank->areacode, QStringLiteral("430102 "));
    EXPECT_EQ(blank->AllAgencyData().TourUnitNum, bare->AllAgencyData().TourUnitNum);
    EXPECT_EQ(blank->AllAgencyData().OperationIncome, bare->AllAgencyData().OperationIncome);
    EXPECT_EQ(Run(QStringLiteral("430000 "))->AllAgencyData().TourUnitNum, 11);
}

TEST_F(AnnualPassTest, OnlyReturnsOfTheChosenYearCount)
{
    const auto data = Run(QStringLiteral("430000"), 2024);
    EXPECT_EQ(data->TravelAgencyDataDomestic.TourUnitNum, 2); // A002 and A004
    EXPECT_EQ(data->TravelAgencyDataDomestic.OperationIncome, 1049);
    EXPECT_EQ(data->TravelSpotData.TourUnitNum, 1);
    EXPECT_EQ(data->HotelDataDomestic.TourUnitNum, 0);
    EXPECT_EQ(Run(QStringLiteral("430000"), 2023)->AllAgencyData().TourUnitNum, 0);
}

struct StatementCase
{
    const char* dropped;
    const char* statement;
};

class AnnualStatementTest : public ::testing::TestWithParam<StatementCase>
{
};

// A missing return table makes its statement fail, and the error carries the statement's text.
TEST_P(AnnualStatementTest, StatementTextIsExact)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral("DROP TABLE ") + QLatin1String(GetParam().dropped));
    AreaSum engine;
    try {
        engine.CalculateTourUnit(QStringLiteral("430100"), 2025);
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.Statement(), QString::fromUtf8(GetParam().statement));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Annual, AnnualStatementTest,
    ::testing::Values(
        StatementCase{
            "Base04",
            "SELECT Base01.code  ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice"
            " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation ,SUM(OperationIncome) AS "
            "OperationIncome ,SUM(ProfitTotal) AS ProfitTotal ,SUM(OperationTaxAddition) AS "
            "OperationTaxAddition ,SUM(YearendEmployment) AS YearendEmployment ,Base01.TravelAgencyType AS "
            "TravelAgencyType FROM Base01  INNER JOIN Base04 ON Base04.code=Base01.code  WHERE "
            "regionalismcode like '4301%' AND YEAR(Base04.TableDate)=2025 GROUP BY Base01.code"},
        StatementCase{
            "Base06",
            "SELECT Base01.code  ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice"
            " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation ,SUM(OperationIncome) AS "
            "OperationIncome ,SUM(ProfitTotal) AS ProfitTotal ,SUM(OperationTaxAddition) AS "
            "OperationTaxAddition ,SUM(YearendEmployment) AS YearendEmployment ,Base01.RegistrationType AS "
            "RegistrationType FROM Base01  INNER JOIN Base06 ON Base06.code=Base01.code  WHERE "
            "regionalismcode like '4301%' AND YEAR(Base06.TableDate)=2025 GROUP BY Base01.code"},
        StatementCase{
            "Base08",
            "SELECT Base01.code  ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice ,SUM(0) AS "
            "AccumulatedDepreciation ,SUM(OperationIncome) AS OperationIncome ,SUM(ProfitTotal) AS "
            "ProfitTotal ,SUM(OperationTaxAddition) AS OperationTaxAddition ,SUM(yearendemployee) AS "
            "YearendEmployment FROM Base01  INNER JOIN Base08 ON Base08.code=Base01.code  WHERE "
            "regionalismcode like '4301%' AND YEAR(Base08.TableDate)=2025 GROUP BY Base01.code"},
        StatementCase{
            "Base09",
            "SELECT Base01.code  ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice ,SUM(0) AS "
            "AccumulatedDepreciation ,SUM(OperationIncome) AS OperationIncome ,SUM(ProfitTotal) AS "
            "ProfitTotal ,SUM(OperationTaxAddition) AS OperationTaxAddition ,SUM(yearendemployee) AS "
            "YearendEmployment FROM Base01  INNER JOIN Base09 ON Base09.code=Base01.code  WHERE "
            "regionalismcode like '4301%' AND YEAR(Base09.TableDate)=2025 GROUP BY Base01.code"}),
    [](const auto& info) { return std::string(info.param.dropped); });

enum class Filed { Nowhere, First, Second };

struct KindCase
{
    const char* value; // nullptr: NULL
    Filed filed;
};

// One enterprise of the given kind in 430102 with one return of 2025.
std::shared_ptr<TourUnitAreaData> RunOne(const char* column, const char* value, const char* returns)
{
    TempAppFolder folder;
    const QString kind =
        value ? QStringLiteral("'") + QString::fromUtf8(value) + QStringLiteral("'") : QStringLiteral("NULL");
    folder.Source(
        QStringLiteral("INSERT INTO Base01 (code, regionalismcode, %1) VALUES ('X1', '430102', %2);"
                       "INSERT INTO %3 (code, TableDate, OperationIncome) VALUES ('X1', '2025-12-31', 7)")
            .arg(QLatin1String(column), kind, QLatin1String(returns)));
    AreaSum engine;
    return engine.CalculateTourUnit(QStringLiteral("430102"), 2025);
}

std::string CaseName(const char* value)
{
    if (!value)
        return "Null";
    std::string name;
    for (const char* c = value; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name.empty() ? "Empty" : "v" + name;
}

class HotelFundingTest : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(HotelFundingTest, RegistrationTypeDecidesTheHotelCategory)
{
    const auto data = RunOne("RegistrationType", GetParam().value, "Base06");
    EXPECT_EQ(data->HotelDataDomestic.TourUnitNum, GetParam().filed == Filed::First ? 1 : 0);
    EXPECT_EQ(data->HotelDataInternational.TourUnitNum, GetParam().filed == Filed::Second ? 1 : 0);
    EXPECT_EQ(data->AllAgencyData().OperationIncome, GetParam().filed == Filed::Nowhere ? 0 : 7);
}

INSTANTIATE_TEST_SUITE_P(Codes, HotelFundingTest,
                         ::testing::Values(KindCase{"100", Filed::First}, KindCase{"110", Filed::First},
                                           KindCase{"199", Filed::First}, KindCase{"200", Filed::Second},
                                           KindCase{"240", Filed::Second}, KindCase{"340", Filed::Second},
                                           KindCase{"399", Filed::Second}, KindCase{"1", Filed::First},
                                           KindCase{"9", Filed::First}, KindCase{"11", Filed::Second},
                                           KindCase{"29", Filed::Second}, KindCase{"0", Filed::Nowhere},
                                           KindCase{"10", Filed::Nowhere}, KindCase{"30", Filed::Nowhere},
                                           KindCase{"99", Filed::Nowhere}, KindCase{"400", Filed::Nowhere},
                                           KindCase{"900", Filed::Nowhere}, KindCase{"-110", Filed::Nowhere},
                                           KindCase{" ", Filed::Nowhere}, KindCase{nullptr, Filed::Nowhere}),
                         [](const auto& info) { return CaseName(info.param.value); });

class AgencyTypeTest : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(AgencyTypeTest, TravelAgencyTypeDecidesTheAgencyCategory)
{
    const auto data = RunOne("TravelAgencyType", GetParam().value, "Base04");
    EXPECT_EQ(data->TravelAgencyDataInternational.TourUnitNum, GetParam().filed == Filed::First ? 1 : 0);
    EXPECT_EQ(data->TravelAgencyDataDomestic.TourUnitNum, GetParam().filed == Filed::Second ? 1 : 0);
    EXPECT_EQ(data->AllAgencyData().TourUnitNum, GetParam().filed == Filed::Nowhere ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Types, AgencyTypeTest,
                         ::testing::Values(KindCase{"1", Filed::First}, KindCase{"2", Filed::Second},
                                           KindCase{"3", Filed::Nowhere}, KindCase{"0", Filed::Nowhere},
                                           KindCase{" ", Filed::Nowhere}, KindCase{nullptr, Filed::Nowhere}),
                         [](const auto& info) { return CaseName(info.param.value); });

struct BadKindCase
{
    const char* column;
    const char* returns;
};

class BadKindTest : public ::testing::TestWithParam<BadKindCase>
{
};

TEST_P(BadKindTest, ATypeThatIsNoNumberStopsTheRunNamingEnterpriseColumnAndValue)
{
    try {
        RunOne(GetParam().column, "Q7", GetParam().returns);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        const QString text = e.UserText();
        EXPECT_TRUE(text.contains(QStringLiteral("X1"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(GetParam().column))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Q7"))) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, BadKindTest,
                         ::testing::Values(BadKindCase{"RegistrationType", "Base06"},
                                           BadKindCase{"TravelAgencyType", "Base04"}),
                         [](const auto& info) { return std::string(info.param.column); });

TEST(AnnualPass, AConversionFailureLeavesTheLastReportAsItWas)
{
    TempAppFolder folder;
    FillAnnualSource(folder);
    TourUnitReport report;
    AreaSum engine;
    report.Add(engine.CalculateTourUnit(QStringLiteral("430102"), 2025));
    report.Save();
    const QStringList before = AnnualRows(folder, QStringLiteral("212"));

    folder.Source(QStringLiteral("UPDATE Base01 SET RegistrationType = 'abc' WHERE code = 'B103'"));
    report.Clear();
    EXPECT_THROW(report.Add(engine.CalculateTourUnit(QStringLiteral("430000"), 2025)), ConversionError);
    EXPECT_EQ(AnnualRows(folder, QStringLiteral("212")), before);
    // the engine closed its connection on the way out and runs again
    EXPECT_EQ(engine.CalculateTourUnit(QStringLiteral("430100"), 2025)->AllAgencyData().TourUnitNum, 7);
}

} // namespace
