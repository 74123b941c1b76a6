#include "TourUnitReport.h"
#include "AnnualFixture.h"
#include "DatabaseError.h"
#include "TempAppFolder.h"
#include "TourUnitAreaData.h"

#include <gtest/gtest.h>

namespace {

const QStringList PerRegionTables{"211A", "211B", "211C", "211D", "212", "213",
                                  "214",  "215",  "216",  "217",  "218", "219"};

QString TableOf(const QString& code)
{
    if (code == QLatin1String("211D"))
        return QStringLiteral("type22");
    if (code.startsWith(QLatin1String("211")) && code.size() == 4)
        return QStringLiteral("type44");
    return QStringLiteral("type66");
}

QStringList Rows(const TempAppFolder& folder, const QString& code)
{
    return folder.OwnRows(
        QStringLiteral("SELECT * FROM %1 WHERE tablecode='%2' ORDER BY rowid").arg(TableOf(code), code));
}

std::shared_ptr<TourUnitAreaData> Region(const QString& code)
{
    auto data = std::make_shared<TourUnitAreaData>();
    data->areacode = code;
    data->TravelAgencyDataInternational.OperationIncome = 8;
    data->TravelAgencyDataInternational.ProfitTotal = 1;
    data->TravelAgencyDataInternational.TourUnitNum = 1;
    data->HotelDataDomestic.OperationIncome = 3;
    data->HotelDataDomestic.ProfitTotal = 1;
    data->HotelDataDomestic.YearendEmployment = 120;
    data->HotelDataDomestic.FixAssetsInitialPrice = 1500;
    data->HotelDataDomestic.AccumulatedDepreciation = 300;
    data->HotelDataDomestic.TourUnitNum = 2;
    return data;
}

class TourUnitReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省');"
                                     "INSERT INTO Area VALUES ('430100', '  长沙市  ');"
                                     "INSERT INTO Area VALUES ('430200', 'O''Neill 区')"));
    }
    TempAppFolder folder;
};

TEST_F(TourUnitReportTest, CollectionKeepsOrderAndPositionsFromOne)
{
    TourUnitReport report;
    EXPECT_EQ(report.Count(), 0);
    const auto a = Region(QStringLiteral("430100"));
    const auto b = Region(QStringLiteral("430200"));
    report.Add(a);
    report.Add(b);
    report.Add(a); // duplicates are kept
    EXPECT_EQ(report.Count(), 3);
    EXPECT_EQ(report.Item(1), a);
    EXPECT_EQ(report.Item(2), b);
    report.Delete(1);
    EXPECT_EQ(report.Item(1), b);
    EXPECT_EQ(report.Count(), 2);
    EXPECT_THROW(report.Item(3), std::out_of_range);
    EXPECT_THROW(report.Delete(0), std::out_of_range);
    report.Clear();
    EXPECT_EQ(report.Count(), 0);
}

TEST_F(TourUnitReportTest, EmptyReportWritesZeroTotalsAndClearsEarlierRows)
{
    folder.Own(QStringLiteral("INSERT INTO type11 (value1, tablecode) VALUES ('old', '1_1');"
                              "INSERT INTO type66 (value1, tablecode) VALUES ('old', '212')"));
    TourUnitReport report;
    report.Save();
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type11")).isEmpty());

    const QString zeros = QStringLiteral("\t0").repeated(12);
    EXPECT_EQ(Rows(folder, QStringLiteral("211")),
              QStringList({QStringLiteral("     合计") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("（一）旅行社") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("      国际旅行社") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("      国内旅行社") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("（二）旅游涉外饭店") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("      内资饭店") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("      外资饭店") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("（三）旅游区（点）") + zeros + QStringLiteral("\t211"),
                           QStringLiteral("（四）其他旅游企业") + zeros + QStringLiteral("\t211")}));
    EXPECT_EQ(Rows(folder, QStringLiteral("211A")),
              QStringList{QStringLiteral("合计") + QStringLiteral("\t0").repeated(9) +
                          QStringLiteral("\t<null>\t211A")});
    EXPECT_EQ(Rows(folder, QStringLiteral("211D")),
              QStringList{QStringLiteral("合计") + QStringLiteral("\t0").repeated(6) +
                          QStringLiteral("\t<null>").repeated(5) + QStringLiteral("\t211D")});
    for (const QString& code : PerRegionTables)
        EXPECT_EQ(Rows(folder, code).size(), 1) << code.toStdString();
    EXPECT_EQ(Rows(folder, QStringLiteral("219")),
              QStringList{QStringLiteral("合计") + zeros + QStringLiteral("\t219")});
}

TEST_F(TourUnitReportTest, OneRegionGivesTotalAndRegionRowsWithEqualNumbers)
{
    TourUnitReport report;
    report.Add(Region(QStringLiteral("430100")));
    report.Save();
    for (const QString& code : PerRegionTables) {
        const QStringList rows = Rows(folder, code);
        ASSERT_EQ(rows.size(), 2) << code.toStdString();
        EXPECT_TRUE(rows[0].startsWith(QStringLiteral("合计\t"))) << code.toStdString();
        EXPECT_TRUE(rows[1].startsWith(QStringLiteral("长沙市\t"))) << code.toStdString(); // name trimmed
        EXPECT_EQ(rows[0].section(QLatin1Char('\t'), 1), rows[1].section(QLatin1Char('\t'), 1))
            << code.toStdString();
    }
    // 2-1-7, domestic hotels: profit rate 33.33, 120 employees, 1200 net of 1500, 12.5 fixed assets each
    EXPECT_EQ(Rows(folder, QStringLiteral("217"))[1],
              QStringLiteral("长沙市\t1500\t1200\t3\t1\t0\t33.33\t0.03\t0.01\t0.01\t12.5\t120\t2\t217"));
    // 2-1-4, international agencies: 12.5 per cent
    EXPECT_EQ(Rows(folder, QStringLiteral("214"))[1],
              QStringLiteral("长沙市\t0\t0\t8\t1\t0\t12.5\t0\t0\t0\t0\t0\t1\t214"));
    // 2-1-1A: units of all, agencies, international, domestic, spots, others, hotels, domestic, foreign
    EXPECT_EQ(Rows(folder, QStringLiteral("211A"))[1],
              QStringLiteral("长沙市\t3\t1\t1\t0\t0\t0\t2\t2\t0\t<null>\t211A"));
    EXPECT_EQ(Rows(folder, QStringLiteral("211B"))[1],
              QStringLiteral("长沙市\t120\t0\t0\t0\t0\t0\t120\t120\t0\t<null>\t211B"));
    EXPECT_EQ(
        Rows(folder, QStringLiteral("211D"))[1],
        QStringLiteral("长沙市\t11\t2\t0\t0.09\t0.02\t0.02\t<null>\t<null>\t<null>\t<null>\t<null>\t211D"));
}

TEST_F(TourUnitReportTest, RegionsFollowTheTotalInTheOrderAddedAndAnApostropheIsStored)
{
    TourUnitReport report;
    report.Add(Region(QStringLiteral("430200")));
    report.Add(Region(QStringLiteral("430100")));
    report.Add(Region(QStringLiteral("430200")));
    report.Save();
    QStringList names;
    for (const QString& row : Rows(folder, QStringLiteral("212")))
        names << row.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(names, QStringList({"合计", "O'Neill 区", "长沙市", "O'Neill 区"}));
    EXPECT_EQ(Rows(folder, QStringLiteral("212"))[0].section(QLatin1Char('\t'), 12, 12), QStringLiteral("9"));
    EXPECT_EQ(Rows(folder, QStringLiteral("211")).size(), 9); // table 2-1-1 only for the total
}

TEST_F(TourUnitReportTest, FailedSaveLeavesNoHalfWrittenReport)
{
    // 2-1-1D takes one row only: the region's row fails after the total's rows of every table
    // and the region's rows of 2-1-1A to 2-1-1C have been written
    folder.Own(QStringLiteral("CREATE UNIQUE INDEX one_row ON type22 (tablecode)"));
    TourUnitReport report;
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
