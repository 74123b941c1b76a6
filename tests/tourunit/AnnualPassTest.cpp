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
    TempAppFolder folder;
    AreaSum engine;
};

TEST_F(AnnualPassTest, ReferenceRunWritesEveryAnnualTable)
{
    TourUnitReport report;
    report.AddRun(engine.CalculateTourUnitRegions(
        {QStringLiteral("430000"), QStringLiteral("430100"), QStringLiteral("430102"), QStringLiteral("440000")}, 2025));
    report.Save();
    ExpectAnnualReference(folder);
}

// A province beside its own prefecture and county: the total counts each enterprise once, as
// the two provinces alone give it; where regions do not overlap it is their sum.
TEST_F(AnnualPassTest, RunTotalCountsEachEnterpriseOnce)
{
    const auto overlapping = engine.CalculateTourUnitRegions(
        {QStringLiteral("430000"), QStringLiteral("430100"), QStringLiteral("430102"), QStringLiteral("440000")}, 2025);
    const auto disjoint = engine.CalculateTourUnitRegions({QStringLiteral("430000"), QStringLiteral("440000")}, 2025);
    TourUnitAreaData sum;
    for (const auto& region : disjoint.Items)
        TourUnitAreaData::AddTourUnitAreaData(sum, *region);
    for (const TourUnitAreaData* total : {overlapping.Total.get(), &sum}) {
        const TourUnitAreaIndex all = total->AllAgencyData();
        EXPECT_EQ(all.TourUnitNum, disjoint.Total->AllAgencyData().TourUnitNum);
        EXPECT_EQ(all.OperationIncome, disjoint.Total->AllAgencyData().OperationIncome);
        EXPECT_EQ(all.YearendEmployment, disjoint.Total->AllAgencyData().YearendEmployment);
    }
    EXPECT_GT(overlapping.Items[1]->AllAgencyData().TourUnitNum, 0);
}

using Pick = TourUnitAreaIndex (*)(const TourUnitAreaData&);
const Pick International = [](const TourUnitAreaData& d) { return d.TravelAgencyDataInternational; };
const Pick Domestic = [](const TourUnitAreaData& d) { return d.TravelAgencyDataDomestic; };
const Pick Agencies = [](const TourUnitAreaData& d) { return d.TravelAgencyData(); };
const Pick DomesticHotels = [](const TourUnitAreaData& d) { return d.HotelDataDomestic; };
const Pick ForeignHotels = [](const TourUnitAreaData& d) { return d.HotelDataInternational; };
const Pick Spots = [](const TourUnitAreaData& d) { return d.TravelSpotData; };
const Pick Others = [](const TourUnitAreaData& d) { return d.OthersCorpData; };
const Pick All = [](const TourUnitAreaData& d) { return d.AllAgencyData(); };

TEST_F(AnnualPassTest, SumsTheRegionsEnterprisesOfTheYearIntoTheirCategory)
{
    const struct
    {
        const char* code;
        std::int16_t year;
        Pick category;
        double units, income, netValue;
        const char* why;
    } cases[] = {
        {"430102", 2025, International, 1, 800, 125, "a county: A001's two returns are one enterprise"},
        {"430102", 2025, Domestic, 0, 0, 0, "a county takes its own code only: A002 lies in 430103"},
        {"430102", 2025, Spots, 1, 150, 200, "C003 has returns of 2024 only; no depreciation"},
        {"430102 ", 2025, International, 1, 800, 125, "a blank after the code changes nothing"},
        {"430100", 2025, All, 7, 1403, 1701, "a city takes its four digits"},
        {"430000", 2025, Agencies, 2, 1040, 195, "a province; the type 3 agency is in no figure"},
        {"430000", 2025, DomesticHotels, 2, 3, 836, "B105's NULL income adds nothing but B105 counts"},
        {"430000", 2025, Others, 2, 66, 28, "other enterprises have no depreciation"},
        {"430000", 2024, Domestic, 2, 1049, 954, "the returns of the year asked for"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto data = engine.CalculateTourUnit(QLatin1String(c.code), c.year);
        EXPECT_EQ(data->areacode, QLatin1String(c.code));
        const TourUnitAreaIndex index = c.category(*data);
        EXPECT_EQ(index.TourUnitNum, c.units);
        EXPECT_EQ(index.OperationIncome, c.income);
        EXPECT_EQ(index.FixAssetsNetValue(), c.netValue);
    }
}

// A missing return table makes its statement fail, and the error carries the statement's text.
TEST(AnnualPass, StatementTextsAreExact)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Base04",
         "SELECT Base01.code  ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice"
         " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation ,SUM(OperationIncome) AS "
         "OperationIncome ,SUM(ProfitTotal) AS ProfitTotal ,SUM(OperationTaxAddition) AS "
         "OperationTaxAddition ,SUM(YearendEmployment) AS YearendEmployment ,Base01.TravelAgencyType AS "
         "TravelAgencyType ,Base01.regionalismcode AS regionalismcode ,MAX(max(typeof(Base04.FixAssetsInitialPrice),typeof(Base04.AccumulatedDepreciation),typeof(Base04.OperationIncome),typeof(Base04.ProfitTotal),typeof(Base04.OperationTaxAddition),typeof(Base04.YearendEmployment))='text') AS TextValueFound FROM Base01  INNER JOIN Base04 ON Base04.code=Base01.code  WHERE "
         "regionalismcode like '4301%' AND YEAR(Base04.TableDate)=2025 AND (Base04.TableDate >= '2025-' AND "
         "Base04.TableDate < '2025/') GROUP BY Base01.code"},
        {"Base06",
         "SELECT Base01.code  ,SUM(FixAssetsInitialPrice) AS FixAssetsInitialPrice"
         " ,SUM(AccumulatedDepreciation) AS AccumulatedDepreciation ,SUM(OperationIncome) AS "
         "OperationIncome ,SUM(ProfitTotal) AS ProfitTotal ,SUM(OperationTaxAddition) AS "
         "OperationTaxAddition ,SUM(YearendEmployment) AS YearendEmployment ,Base01.RegistrationType AS "
         "RegistrationType ,Base01.regionalismcode AS regionalismcode ,MAX(max(typeof(Base06.FixAssetsInitialPrice),typeof(Base06.AccumulatedDepreciation),typeof(Base06.OperationIncome),typeof(Base06.ProfitTotal),typeof(Base06.OperationTaxAddition),typeof(Base06.YearendEmployment))='text') AS TextValueFound FROM Base01  INNER JOIN Base06 ON Base06.code=Base01.code  WHERE "
         "regionalismcode like '4301%' AND YEAR(Base06.TableDate)=2025 AND (Base06.TableDate >= '2025-' AND "
         "Base06.TableDate < '2025/') GROUP BY Base01.code"},
        {"Base08", "SELECT Base01.code  ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice ,SUM(0) AS "
                   "AccumulatedDepreciation ,SUM(OperationIncome) AS OperationIncome ,SUM(ProfitTotal) AS "
                   "ProfitTotal ,SUM(OperationTaxAddition) AS OperationTaxAddition ,SUM(yearendemployee) AS "
                   "YearendEmployment ,Base01.regionalismcode AS regionalismcode ,MAX(max(typeof(Base08.fixcapitalorigin),typeof(Base08.OperationIncome),typeof(Base08.ProfitTotal),typeof(Base08.OperationTaxAddition),typeof(Base08.yearendemployee))='text') AS TextValueFound FROM Base01  INNER JOIN Base08 ON Base08.code=Base01.code  WHERE "
                   "regionalismcode like '4301%' AND YEAR(Base08.TableDate)=2025 AND (Base08.TableDate >= '2025-' AND "
         "Base08.TableDate < '2025/') GROUP BY Base01.code"},
        {"Base09", "SELECT Base01.code  ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice ,SUM(0) AS "
                   "AccumulatedDepreciation ,SUM(OperationIncome) AS OperationIncome ,SUM(ProfitTotal) AS "
                   "ProfitTotal ,SUM(OperationTaxAddition) AS OperationTaxAddition ,SUM(yearendemployee) AS "
                   "YearendEmployment ,Base01.regionalismcode AS regionalismcode ,MAX(max(typeof(Base09.fixcapitalorigin),typeof(Base09.OperationIncome),typeof(Base09.ProfitTotal),typeof(Base09.OperationTaxAddition),typeof(Base09.yearendemployee))='text') AS TextValueFound FROM Base01  INNER JOIN Base09 ON Base09.code=Base01.code  WHERE "
                   "regionalismcode like '4301%' AND YEAR(Base09.TableDate)=2025 AND (Base09.TableDate >= '2025-' AND "
         "Base09.TableDate < '2025/') GROUP BY Base01.code"},
    };
    for (const auto& [dropped, statement] : cases) {
        TempAppFolder folder;
        folder.Source(QStringLiteral("DROP TABLE ") + QLatin1String(dropped));
        try {
            AreaSum().CalculateTourUnit(QStringLiteral("430100"), 2025);
            ADD_FAILURE() << "no error without " << dropped;
        } catch (const DatabaseError& e) {
            EXPECT_EQ(e.Statement(), QString::fromUtf8(statement));
        }
    }
}

// Where an enterprise is counted: the first category (domestic hotels, international
// agencies), the second (foreign hotels, domestic agencies), neither, or both.
enum class Filed { Nowhere, First, Second, Both };

void PrintTo(Filed filed, std::ostream* os)
{
    static const char* const names[] = {"Nowhere", "First", "Second", "Both"};
    *os << names[static_cast<int>(filed)];
}

// Files one enterprise of 430102 with one return of 2025 and the given type (nullptr: NULL).
Filed FiledAs(const TempAppFolder& folder, bool hotel, const char* type)
{
    folder.Source(
        QStringLiteral("DELETE FROM Base01; DELETE FROM Base04; DELETE FROM Base06;"
                       "INSERT INTO Base01 (code, regionalismcode, %1) VALUES ('X1', '430102', %2);"
                       "INSERT INTO %3 (code, TableDate, OperationIncome) VALUES ('X1', '2025-12-31', 7)")
            .arg(hotel ? QStringLiteral("RegistrationType") : QStringLiteral("TravelAgencyType"),
                 type ? QStringLiteral("'%1'").arg(QLatin1String(type)) : QStringLiteral("NULL"),
                 hotel ? QStringLiteral("Base06") : QStringLiteral("Base04")));
    const auto data = AreaSum().CalculateTourUnit(QStringLiteral("430102"), 2025);
    const bool first =
        (hotel ? data->HotelDataDomestic : data->TravelAgencyDataInternational).TourUnitNum == 1;
    const bool second =
        (hotel ? data->HotelDataInternational : data->TravelAgencyDataDomestic).TourUnitNum == 1;
    EXPECT_EQ(data->AllAgencyData().OperationIncome, first || second ? 7 : 0) << type;
    return first ? (second ? Filed::Both : Filed::First) : (second ? Filed::Second : Filed::Nowhere);
}

using enum Filed;

// Three-digit registration codes and the hotel pass's group numbers both decide the funding.
TEST(AnnualPass, RegistrationTypeAndAgencyTypeDecideTheCategory)
{
    const std::pair<const char*, Filed> registrationTypes[] = {
        {"100", First},   {"110", First},   {"199", First},    {"1", First},    {"9", First},
        {"200", Second},  {"240", Second},  {"340", Second},   {"399", Second}, {"11", Second},
        {"29", Second},   {"0", Nowhere},   {"10", Nowhere},   {"30", Nowhere}, {"99", Nowhere},
        {"400", Nowhere}, {"900", Nowhere}, {"-110", Nowhere}, {" ", Nowhere},  {nullptr, Nowhere}};
    const std::pair<const char*, Filed> agencyTypes[] = {{"1", First},   {"2", Second},  {"3", Nowhere},
                                                         {"0", Nowhere}, {" ", Nowhere}, {nullptr, Nowhere}};
    TempAppFolder folder;
    for (const auto& [type, filed] : registrationTypes)
        EXPECT_EQ(FiledAs(folder, true, type), filed) << (type ? type : "NULL");
    for (const auto& [type, filed] : agencyTypes)
        EXPECT_EQ(FiledAs(folder, false, type), filed) << (type ? type : "NULL");

    // a type that is no number stops the run, naming enterprise, column and value
    for (const bool hotel : {true, false}) {
        try {
            FiledAs(folder, hotel, "Q7");
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            for (const char* part : {"X1", hotel ? "RegistrationType" : "TravelAgencyType", "Q7"})
                EXPECT_TRUE(e.UserText().contains(QLatin1String(part))) << e.UserText().toStdString();
        }
    }
}

TEST_F(AnnualPassTest, AConversionFailureLeavesTheLastReportAndTheEngineRunsAgain)
{
    TourUnitReport report;
    report.Add(engine.CalculateTourUnit(QStringLiteral("430102"), 2025));
    report.Save();
    const QStringList before = AnnualRows(folder, QStringLiteral("212"));

    folder.Source(QStringLiteral("UPDATE Base01 SET RegistrationType = 'abc' WHERE code = 'B103'"));
    report.Clear();
    EXPECT_THROW(report.Add(engine.CalculateTourUnit(QStringLiteral("430000"), 2025)), ConversionError);
    EXPECT_EQ(AnnualRows(folder, QStringLiteral("212")), before);
    // the engine closed its connection on the way out
    EXPECT_EQ(engine.CalculateTourUnit(QStringLiteral("430100"), 2025)->AllAgencyData().TourUnitNum, 7);
}

} // namespace
