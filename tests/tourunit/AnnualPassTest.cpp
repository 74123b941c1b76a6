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

// The sums come from one statement per kind of return, grouped by region code and category;
// a missing return table stops the run with that statement's text.
TEST(AnnualPass, StatementTexts)
{
    const QString clause = QStringLiteral("regionalismcode like '4301%'");
    EXPECT_EQ(AreaSum::TourUnitSql(QStringLiteral("Base08"), clause, 2025),
              QStringLiteral(
                  "SELECT Base01.regionalismcode AS regionalismcode ,1 AS Category ,COUNT(DISTINCT Base01.code) AS "
                  "TourUnitNum ,SUM(fixcapitalorigin) AS FixAssetsInitialPrice ,SUM(0) AS AccumulatedDepreciation "
                  ",SUM(OperationIncome) AS OperationIncome ,SUM(ProfitTotal) AS ProfitTotal ,SUM(OperationTaxAddition) "
                  "AS OperationTaxAddition ,SUM(yearendemployee) AS YearendEmployment ,MAX(typeof(Base08.fixcapitalorigin) "
                  "NOT IN ('integer','real','null') OR typeof(Base08.OperationIncome) NOT IN ('integer','real','null') OR "
                  "typeof(Base08.ProfitTotal) NOT IN ('integer','real','null') OR typeof(Base08.OperationTaxAddition) NOT "
                  "IN ('integer','real','null') OR typeof(Base08.yearendemployee) NOT IN ('integer','real','null')) AS "
                  "TextValueFound FROM Base01  INNER JOIN Base08 ON Base08.code=Base01.code  WHERE regionalismcode like "
                  "'4301%' AND YEAR(Base08.TableDate)=2025 AND (Base08.TableDate >= '2025-' AND Base08.TableDate < "
                  "'2025/') GROUP BY Base01.regionalismcode COLLATE BINARY, Category"));

    TempAppFolder folder;
    folder.Source(QStringLiteral("DROP TABLE Base09"));
    try {
        AreaSum().CalculateTourUnit(QStringLiteral("430100"), 2025);
        ADD_FAILURE() << "no error without Base09";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.Statement(), AreaSum::TourUnitSql(QStringLiteral("Base09"), clause, 2025));
    }
}

// Text in a summed column stops the run, naming table, enterprise, column and value, where the
// enterprise is in a selected region and the text is no number; SUM reads number text as such.
TEST(AnnualPass, TextInANumberColumn)
{
    const struct
    {
        const char* damage;
        const char* region;
        const char* message; // nullptr: no error
        double income;       // the region's operating income otherwise
    } cases[] = {
        {"UPDATE Base04 SET OperationIncome = 'n/a' WHERE code = 'A001' AND TableDate = '2025-12-31'", "430102",
         "数据无法转换：表 Base04，企业 A001，字段 OperationIncome，值“n/a”（不是数值）", 0},
        {"UPDATE Base08 SET yearendemployee = '十' WHERE code = 'C001'", "430000",
         "数据无法转换：表 Base08，企业 C001，字段 yearendemployee，值“十”（不是数值）", 0},
        {"UPDATE Base04 SET OperationIncome = ' 12.5 ' WHERE code = 'A001' AND TableDate = '2025-12-31'", "430102",
         nullptr, 512.5},
        {"UPDATE Base04 SET OperationIncome = 'n/a' WHERE code = 'A001' AND TableDate = '2025-12-31'", "440000",
         nullptr, -1},
        {"UPDATE Base04 SET OperationIncome = 'n/a' WHERE code = 'A001' AND TableDate = '2024-12-31'", "430102",
         nullptr, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        TempAppFolder folder;
        FillAnnualSource(folder);
        folder.Source(QString::fromUtf8(c.damage));
        try {
            const auto data = AreaSum().CalculateTourUnit(QLatin1String(c.region), 2025);
            EXPECT_EQ(c.message, nullptr);
            if (c.income >= 0) {
                EXPECT_EQ(data->TravelAgencyDataInternational.OperationIncome, c.income);
            }
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.UserText(), QString::fromUtf8(c.message ? c.message : "(none)"));
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
