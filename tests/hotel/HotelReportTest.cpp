// The hotel report collection and its Save. The text of every result row is also compared
// line by line with the reference runs of the command line.
#include "HotelReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<HotelAreaData> Region(const char* code, double hotels)
{
    auto d = std::make_shared<HotelAreaData>();
    d->areacode = QString::fromLatin1(code);
    d->HotelNum = hotels;
    return d;
}

TEST(HotelReportCollection, OrderedListCountedFromOne)
{
    HotelReport report;
    const auto a = Region("430100", 1);
    const auto c = Region("430300", 4);
    report.Add(a);
    report.Add(Region("430200", 2));
    report.Add(c);
    report.Add(a); // the same object twice is listed twice
    EXPECT_EQ(report.Count(), 4);
    EXPECT_EQ(report.Total()->HotelNum, 8);

    report.Delete(2);
    EXPECT_EQ(report.Count(), 3);
    EXPECT_EQ(report.Item(2), c);
    EXPECT_EQ(report.Item(3), a);
    EXPECT_THROW(report.Item(0), std::out_of_range);
    EXPECT_THROW(report.Item(4), std::out_of_range);
    EXPECT_THROW(report.Delete(5), std::out_of_range);

    // The items are the objects added, not copies; Total is new on every call.
    a->HotelNum = 10;
    EXPECT_EQ(report.Total()->HotelNum, 24);
    EXPECT_NE(report.Total(), report.Total());
    EXPECT_TRUE(report.Total()->areacode.isEmpty());

    report.Clear();
    EXPECT_EQ(report.Count(), 0);
    EXPECT_EQ(report.Total()->HotelNum, 0);
}

TEST(HotelReportSave, TotalFirstThenRegionsInTheOrderAdded)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430100', '长沙市');"
                                 "INSERT INTO Area VALUES ('430300', '  湘潭市  ')"));
    auto a = Region("430100", 3);
    a->RealRoomDay = 300;
    a->CheckRoomDay = 400;
    HotelAreaComplex& g = a->RegType1;
    g.HotelNum = g.RealRoomDay = 1;
    g.Rooms = 120;
    g.Beds = 200;
    g.CheckRoomDay = 8;
    g.RoomIncome = 12;
    g.RestaurantIncome = 8;
    g.OtherIncome = 1;
    g.OperationTaxAddition = 2;
    g.FixAssetsInitialPrice = 500;
    a->RegType12.HotelNum = a->RegType23.HotelNum = 1;
    a->HotelNumRoomsBetween300And499.HotelNum = 2;
    a->HotelNumStar0.HotelNum = 3;
    auto b = Region("430300", 1);
    b->RealRoomDay = 100; // no CheckRoomDay: occupancy 0
    b->RegType14.HotelNum = b->HotelNumRoomsBelow99.HotelNum = 1;

    HotelReport report;
    report.Add(b);
    report.Add(a);
    report.Save();

    // The region's name is trimmed; occupancy of the total is the ratio of the summed room-days.
    EXPECT_EQ(
        folder.OwnRows("select value1, value2, value5 from type22 where tablecode='1_2' order by rowid"),
        (QStringList{"合计\t4\t100", "湘潭市\t1\t0", "长沙市\t3\t75"}));
    for (const char* code : {"1_3", "1_4", "1_5", "1_6", "1_7", "1_8", "1_9", "1_10"})
        EXPECT_EQ(folder.OwnRows(QStringLiteral("select value1 from type22 where tablecode='%1' union all "
                                                "select value1 from type33 where tablecode='%1' union all "
                                                "select value1 from type55 where tablecode='%1' union all "
                                                "select value1 from type66 where tablecode='%1'")
                                     .arg(QLatin1String(code))),
                  (QStringList{"合计", "湘潭市", "长沙市"}))
            << code;
    EXPECT_EQ(folder.OwnRows(
                  "select value1, value3, value11, value12 from type22 where tablecode='1_3' order by rowid"),
              (QStringList{"合计\t1\t2\t1", "湘潭市\t0\t1\t0", "长沙市\t1\t1\t1"}));

    // Table 1-1 describes the total only; the registration total covers the sixteen codes, the
    // room and star totals their groups. Its labels are compared with the reference runs.
    const QStringList rows = folder.OwnRows("select * from type11 order by rowid");
    ASSERT_EQ(rows.size(), 24);
    const std::pair<int, const char*> expected[] = {{0, "合计\t4\t120\t200\t12.5\t21\t2\t500\t120000\t1_1"},
                                                    {9, "港澳台投资企业\t2\t0\t0\t0\t0\t0\t0\t0\t1_1"},
                                                    {10, "外商投资企业\t1\t0\t0\t0\t0\t0\t0\t0\t1_1"},
                                                    {11, "合计\t3\t0\t0\t0\t0\t0\t0\t0\t1_1"},
                                                    {17, "合计\t3\t0\t0\t0\t0\t0\t0\t0\t1_1"}};
    for (const auto& [row, text] : expected)
        EXPECT_EQ(rows[row], QString::fromUtf8(text)) << row;
}

TEST(HotelReportSave, EmptyReportWritesZeroLinesOverEveryEarlierReport)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral("INSERT INTO type44 (value1, tablecode) VALUES ('old', '211A');"
                              "INSERT INTO type22 (value1) VALUES ('ledger')"));
    HotelReport().Save();
    EXPECT_EQ(folder.OwnRows("select count(*) from type44"), QStringList{"0"});
    EXPECT_EQ(folder.OwnRows("select count(*) from type11"), QStringList{"24"});
    EXPECT_EQ(folder.OwnRows("select value1, tablecode from type22 order by rowid"),
              (QStringList{"合计\t1_2", "合计\t1_3", "合计\t1_4", "合计\t1_5", "合计\t1_10"}));
    EXPECT_EQ(folder.OwnRows("select value1, value2, value3, value4, value5, value6, value7, value8, value9, "
                             "tablecode from type66"),
              QStringList{"合计\t 0\t0\t 0\t0\t 0\t0\t 0\t0\t1_9"});
}

} // namespace
