#include "HotelReport.h"
#include "DatabaseError.h"
#include "DbConnection.h"
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

// Rows of one report as stored: value1..valueN and tablecode, tab-joined.
QStringList Report(const TempAppFolder& folder, const char* table, const char* tablecode, int values)
{
    QStringList columns;
    for (int i = 1; i <= values; ++i)
        columns << QStringLiteral("value%1").arg(i);
    return folder.OwnRows(
        QStringLiteral("select %1,tablecode from %2 where tablecode='%3' order by rowid")
            .arg(columns.join(QLatin1Char(',')), QLatin1String(table), QLatin1String(tablecode)));
}

class HotelReportTest : public ::testing::Test
{
protected:
    HotelReportTest()
    {
        folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430100', '长沙市');"
                                     "INSERT INTO Area VALUES ('430200', 'Zhuzhou''s 市');"
                                     "INSERT INTO Area VALUES ('430300', '  湘潭市  ')"));
    }
    TempAppFolder folder;
};

TEST(HotelReportCollection, OrderedListCountedFromOne)
{
    HotelReport report;
    const auto a = Region("430100", 1);
    const auto b = Region("430200", 2);
    const auto c = Region("430300", 4);
    report.Add(a);
    report.Add(b);
    report.Add(c);
    report.Add(a); // the same object twice is listed twice
    EXPECT_EQ(report.Count(), 4);
    EXPECT_EQ(report.Item(1), a);
    EXPECT_EQ(report.Item(4), a);
    EXPECT_EQ(report.Total()->HotelNum, 8);

    report.Delete(2);
    EXPECT_EQ(report.Count(), 3);
    EXPECT_EQ(report.Item(2), c);
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
    EXPECT_EQ(report.Total()->RentPercent(), 0);
}

TEST_F(HotelReportTest, TotalFirstThenRegionsInTheOrderAdded)
{
    auto a = Region("430100", 12);
    a->RealRoomDay = 300;
    a->CheckRoomDay = 400;
    a->RoomIncome = 12.5;
    a->InTourist = 10000;
    a->HKer = 5000;
    a->HotelNumRoomsBetween100And199.HotelNum = 12;
    auto b = Region("430200", 3);
    b->RealRoomDay = 100;
    b->CheckRoomDay = 600;
    b->RoomIncome = 0.25;
    b->HotelNumRoomsBetween100And199.HotelNum = 3;

    HotelReport report;
    report.Add(b);
    report.Add(a);
    report.Save();

    // Occupancy of the total is the ratio of the summed room-days: 400 / 1000.
    EXPECT_EQ(Report(folder, "type22", "1_2", 8),
              (QStringList{QStringLiteral("合计\t15\t0\t0\t40\t12.75\t0\t0\t1_2"),
                           QStringLiteral("Zhuzhou's 市\t3\t0\t0\t16.67\t0.25\t0\t0\t1_2"),
                           QStringLiteral("长沙市\t12\t0\t0\t75\t12.5\t0\t0\t1_2")}));
    // Table 1-4: the blank before value2 lies outside the quotes; value6 keeps its blank.
    EXPECT_EQ(Report(folder, "type22", "1_4", 7),
              (QStringList{QStringLiteral("合计\t15\t0\t0\t0\t 15\t0\t1_4"),
                           QStringLiteral("Zhuzhou's 市\t3\t0\t0\t0\t 3\t0\t1_4"),
                           QStringLiteral("长沙市\t12\t0\t0\t0\t 12\t0\t1_4")}));
    EXPECT_EQ(Report(folder, "type33", "1_6", 6),
              (QStringList{QStringLiteral("合计\t 15\t12.75\t 12.75\t0\t 0\t1_6"),
                           QStringLiteral("Zhuzhou's 市\t 3\t0.25\t 0.25\t0\t 0\t1_6"),
                           QStringLiteral("长沙市\t 12\t12.5\t 12.5\t0\t 0\t1_6")}));
    EXPECT_EQ(Report(folder, "type66", "1_9", 9),
              (QStringList{QStringLiteral("合计\t 15\t0\t 0\t40\t 318.75\t0\t 0\t0\t1_9"),
                           QStringLiteral("Zhuzhou's 市\t 3\t0\t 0\t16.67\t 25\t0\t 0\t0\t1_9"),
                           QStringLiteral("长沙市\t 12\t0\t 0\t75\t 416.67\t0\t 0\t0\t1_9")}));
    // 15 000 guests are 1.5 (not 1.50) in 10 000 person-times.
    EXPECT_EQ(Report(folder, "type55", "1_8", 8).value(2),
              QStringLiteral("长沙市\t12\t1.5\t5000\t33.33\t0\t0\t0\t1_8"));
    for (const auto& [table, code, values] :
         {std::tuple{"type22", "1_3", 12}, std::tuple{"type22", "1_5", 8}, std::tuple{"type33", "1_7", 6},
          std::tuple{"type22", "1_10", 6}}) {
        const QStringList rows = Report(folder, table, code, values);
        ASSERT_EQ(rows.size(), 3) << code;
        EXPECT_TRUE(rows[0].startsWith(QStringLiteral("合计\t"))) << code;
        EXPECT_TRUE(rows[1].startsWith(QStringLiteral("Zhuzhou's 市\t"))) << code;
        EXPECT_TRUE(rows[2].startsWith(QStringLiteral("长沙市\t"))) << code;
    }
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from type11 where tablecode='1_1'")),
              QStringList{QStringLiteral("24")});
}

TEST_F(HotelReportTest, TableOneOneDescribesTheTotalByGroup)
{
    auto a = Region("430100", 3);
    a->RegType1.HotelNum = 1;
    a->RegType1.Rooms = 120;
    a->RegType1.Beds = 200;
    a->RegType1.RealRoomDay = 1;
    a->RegType1.CheckRoomDay = 8;
    a->RegType1.RoomIncome = 12;
    a->RegType1.RestaurantIncome = 8;
    a->RegType1.OtherIncome = 1;
    a->RegType1.OperationTaxAddition = 2;
    a->RegType1.FixAssetsInitialPrice = 500;
    a->RegType12.HotelNum = 1;
    a->RegType23.HotelNum = 1;
    a->HotelNumRoomsBetween300And499.HotelNum = 2;
    a->HotelNumStar0.HotelNum = 3;
    auto b = Region("430300", 1);
    b->RegType14.HotelNum = 1;
    b->HotelNumRoomsBelow99.HotelNum = 1;

    HotelReport report;
    report.Add(a);
    report.Add(b);
    report.Save();
    EXPECT_EQ(Report(folder, "type11", "1_1", 9),
              (QStringList{
                  QStringLiteral("合计\t4\t120\t200\t12.5\t21\t2\t500\t120000\t1_1"),
                  QStringLiteral("国有企业\t1\t120\t200\t12.5\t21\t2\t500\t120000\t1_1"),
                  QStringLiteral("集体企业\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("股份合作企业\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("联营企业\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("有限责任公司\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("股份有限公司\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("私营企业\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("其他内资企业\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("港澳台投资企业\t2\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("外商投资企业\t1\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("合计\t3\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("500间以上\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("300－499间\t2\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("200－299间\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("100－199间\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("1－99间\t1\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("合计\t3\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("五星级\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("四星级\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("三星级\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("二星级\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("一星级\t0\t0\t0\t0\t0\t0\t0\t0\t1_1"),
                  QStringLiteral("未评星级饭店\t3\t0\t0\t0\t0\t0\t0\t0\t1_1"),
              }));
    // The region's name is trimmed; table 1-3 lists the registration groups.
    EXPECT_EQ(Report(folder, "type22", "1_3", 12).value(2),
              QStringLiteral("湘潭市\t1\t0\t0\t0\t0\t0\t0\t0\t0\t1\t0\t1_3"));
    EXPECT_EQ(Report(folder, "type22", "1_3", 12).value(1),
              QStringLiteral("长沙市\t3\t1\t0\t0\t0\t0\t0\t0\t0\t1\t1\t1_3"));
}

TEST_F(HotelReportTest, EmptyReportWritesZeroLines)
{
    folder.Own(QStringLiteral("INSERT INTO type44 (value1, tablecode) VALUES ('old', '211A');"
                              "INSERT INTO type22 (value1) VALUES ('ledger')"));
    HotelReport report;
    report.Save();
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from type44")),
              QStringList{QStringLiteral("0")});
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from type22 where tablecode is null")),
              QStringList{QStringLiteral("0")});
    EXPECT_EQ(Report(folder, "type11", "1_1", 9).size(), 24);
    EXPECT_EQ(Report(folder, "type22", "1_10", 6), QStringList{QStringLiteral("合计\t0\t0\t0\t0\t0\t1_10")});
    EXPECT_EQ(Report(folder, "type55", "1_8", 8),
              QStringList{QStringLiteral("合计\t0\t0\t0\t0\t0\t0\t0\t1_8")});
    EXPECT_EQ(Report(folder, "type66", "1_9", 9),
              QStringList{QStringLiteral("合计\t 0\t0\t 0\t0\t 0\t0\t 0\t0\t1_9")});
    for (const char* table : {"type11", "type22", "type33", "type55", "type66"})
        EXPECT_EQ(
            folder.OwnRows(QStringLiteral("select count(*) from %1 where tablecode like '1!_%' escape '!'")
                               .arg(QLatin1String(table))),
            folder.OwnRows(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))));
}

TEST_F(HotelReportTest, FailedSaveLeavesNoHalfReport)
{
    HotelReport report;
    report.Add(Region("430100", 2));
    report.Save();
    {
        DbConnection own;
        own.Open(folder.OwnDatabase());
        own.Execute(QStringLiteral("CREATE TRIGGER refuse_type66 BEFORE INSERT ON type66 BEGIN SELECT "
                                   "RAISE(ABORT, 'disk full'); END"));
    }
    report.Add(Region("430200", 1));
    try {
        report.Save();
        FAIL() << "the insert into type66 must fail";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("disk full"))) << e.Message().toStdString();
    }
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"})
        EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))),
                  QStringList{QStringLiteral("0")})
            << table;
}

} // namespace
