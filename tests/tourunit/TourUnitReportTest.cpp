#include "TourUnitReport.h"
#include "AnnualFixture.h"
#include "DatabaseError.h"
#include "TempAppFolder.h"
#include "TourUnitAreaData.h"

#include <gtest/gtest.h>

namespace {

const QStringList PerRegionTables{"211A", "211B", "211C", "211D", "212", "213",
                                  "214",  "215",  "216",  "217",  "218", "219"};

std::shared_ptr<TourUnitAreaData> Region(const QString& code)
{
    auto data = std::make_shared<TourUnitAreaData>();
    data->areacode = code;
    data->TravelAgencyDataInternational.OperationIncome = 8;
    data->TravelAgencyDataInternational.ProfitTotal = 1;
    data->TravelAgencyDataInternational.TourUnitNum = 1;
    data->HotelDataDomestic = TourUnitAreaIndex{1500, 300, 3, 1, 0, 120, 2};
    return data;
}

class TourUnitReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省'), ('430100', '  长沙市  '),"
                                     " ('430200', 'O''Neill 区')"));
    }
    QStringList Rows(const char* code) const { return AnnualRows(folder, QLatin1String(code)); }

    TempAppFolder folder;
    TourUnitReport report;
};

TEST_F(TourUnitReportTest, EmptyReportWritesZeroTotalsAndClearsEarlierRows)
{
    folder.Own(QStringLiteral("INSERT INTO type11 (value1, tablecode) VALUES ('old', '1_1');"
                              "INSERT INTO type66 (value1, tablecode) VALUES ('old', '212')"));
    report.Save();
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type11")).isEmpty());

    QStringList t211;
    for (const char* label :
         {"     合计", "（一）旅行社", "      国际旅行社", "      国内旅行社", "（二）旅游涉外饭店",
          "      内资饭店", "      外资饭店", "（三）旅游区（点）", "（四）其他旅游企业"})
        t211 << QString::fromUtf8(label) + QStringLiteral("\t0").repeated(12) + QStringLiteral("\t211");
    EXPECT_EQ(Rows("211"), t211);
    for (const QString& code : PerRegionTables) {
        // 2-1-1A to 2-1-1D leave the further columns of their tables empty
        const int written = code == QLatin1String("211D") ? 6 : code.size() == 4 ? 9 : 12;
        const int unused = code == QLatin1String("211D") ? 5 : code.size() == 4 ? 1 : 0;
        const QString values =
            QStringLiteral("\t0").repeated(written) + QStringLiteral("\t<null>").repeated(unused);
        EXPECT_EQ(AnnualRows(folder, code), QStringList{QStringLiteral("合计") + values + '\t' + code});
    }
}

TEST_F(TourUnitReportTest, OneRegionGivesTotalAndRegionRowsWithEqualNumbers)
{
    report.Add(Region(QStringLiteral("430100")));
    report.Save();
    for (const QString& code : PerRegionTables) {
        const QStringList rows = AnnualRows(folder, code);
        ASSERT_EQ(rows.size(), 2) << code.toStdString();
        EXPECT_EQ(rows[0].section('\t', 0, 0), QStringLiteral("合计"));
        EXPECT_EQ(rows[1].section('\t', 0, 0), QStringLiteral("长沙市")); // name trimmed
        EXPECT_EQ(rows[0].section('\t', 1), rows[1].section('\t', 1)) << code.toStdString();
    }
    // 2-1-7, domestic hotels: profit rate 33.33, 120 employees, 1200 net of 1500, 12.5 fixed assets each
    EXPECT_EQ(Rows("217")[1],
              QStringLiteral("长沙市\t1500\t1200\t3\t1\t0\t33.33\t0.03\t0.01\t0.01\t12.5\t120\t2\t217"));
    EXPECT_EQ(Rows("214")[1], QStringLiteral("长沙市\t0\t0\t8\t1\t0\t12.5\t0\t0\t0\t0\t0\t1\t214"));
    // 2-1-1A: units of all, agencies, international, domestic, spots, others, hotels, domestic, foreign
    EXPECT_EQ(Rows("211A")[1], QStringLiteral("长沙市\t3\t1\t1\t0\t0\t0\t2\t2\t0\t<null>\t211A"));
    EXPECT_EQ(Rows("211B")[1], QStringLiteral("长沙市\t120\t0\t0\t0\t0\t0\t120\t120\t0\t<null>\t211B"));
    EXPECT_EQ(Rows("211C")[1], QStringLiteral("长沙市\t1500\t0\t0\t0\t0\t0\t1500\t1500\t0\t<null>\t211C"));
    EXPECT_EQ(Rows("211D")[1], QStringLiteral("长沙市\t11\t2\t0\t0.09\t0.02\t0.02") +
                                   QStringLiteral("\t<null>").repeated(5) + QStringLiteral("\t211D"));
}

TEST_F(TourUnitReportTest, RegionsFollowTheTotalInTheOrderAddedAndAnApostropheIsStored)
{
    report.Add(Region(QStringLiteral("430200")));
    report.Add(Region(QStringLiteral("430100")));
    report.Add(Region(QStringLiteral("430200")));
    report.Save();
    QStringList names;
    for (const QString& row : Rows("212"))
        names << row.section('\t', 0, 0);
    EXPECT_EQ(names, QStringList({"合计", "O'Neill 区", "长沙市", "O'Neill 区"}));
    // the region added twice is counted twice; 2-1-1 has the total only
    EXPECT_EQ(Rows("212")[0].section('\t', 12, 12), QStringLiteral("9"));
    EXPECT_EQ(Rows("211").size(), 9);
    report.Clear();
    EXPECT_EQ(report.Count(), 0);
}

TEST_F(TourUnitReportTest, FailedSaveLeavesNoHalfWrittenReport)
{
    // 2-1-1D takes one row only: the region's row fails after the total's rows of every table
    // and the region's rows of 2-1-1A to 2-1-1C have been written
    folder.Own(QStringLiteral("CREATE UNIQUE INDEX one_row ON type22 (tablecode)"));
    report.Add(Region(QStringLiteral("430100")));
    EXPECT_THROW(report.Save(), DatabaseError);
    for (const char* table : {"type22", "type44", "type66"})
        EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM ") + QLatin1String(table)).isEmpty())
            << table;
}

TEST(TourUnitAreaDataStatement, ColumnListThenQuotedValuesThenTheCode)
{
    EXPECT_EQ(TourUnitAreaData::InsertStatement(TourUnitAreaData::Type22Columns,
                                                {QStringLiteral("a'b"), QStringLiteral("1")},
                                                QStringLiteral("211D")),
              QStringLiteral("insert into type22 (value1,value2,value3,value4,value5,value6,value7,tablecode)"
                             "values ('a''b','1','211D')"));
}

} // namespace
