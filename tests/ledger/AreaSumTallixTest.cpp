#include "AreaSum.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "LedgerFixture.h"
#include "TallixAreaData.h"
#include "TallixCondition.h"
#include "TallixReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

using LedgerFixture::Condition;
using Items = std::vector<std::pair<QString, QString>>;

std::vector<double> Values(const TallixAreaData& row)
{
    std::vector<double> values;
    for (int i = 0; i < row.ColumnCount(); ++i)
        values.push_back(row.Item(static_cast<std::int16_t>(i)).SumValue());
    return values;
}

class AreaSumTallix : public testing::Test
{
protected:
    void SetUp() override { LedgerFixture::FillSource(folder); }
    TempAppFolder folder;
    AreaSum engine;
};

// B1001 has three returns in each of Base05 and Base06 for months 1 to 3: paired on the
// enterprise code they would make nine rows and triple every sum.
TEST_F(AreaSumTallix, NoReturnIsCountedTwice)
{
    TallixCondition c = Condition(2, QStringLiteral("B"), QString(), LedgerFixture::AccommodationItems());

    const auto unit = engine.CalculateTallix(QStringLiteral("B1001"), c, false);
    EXPECT_EQ(unit->Name, QStringLiteral("芙蓉宾馆"));
    EXPECT_EQ(unit->code, QStringLiteral("B1001"));
    EXPECT_EQ(Values(*unit), (std::vector<double>{53, 370, 67, 200}));

    // 长沙市: B1001 and B1002 (28, 210, 12, 120); the register's rooms once per enterprise.
    const auto region = engine.CalculateTallix(QStringLiteral("430100"), c, true);
    EXPECT_EQ(region->Name, QStringLiteral("长沙市"));
    EXPECT_EQ(Values(*region), (std::vector<double>{81, 580, 79, 320}));
}

TEST_F(AreaSumTallix, ASumOfFieldsAddsTheFieldsOfEachReturn)
{
    TallixCondition c = Condition(1, QStringLiteral("B"), QString(),
                                  {{QStringLiteral("Base05"), QStringLiteral("RoomIncome+RestaurantIncome")},
                                   {QStringLiteral("base05"), QStringLiteral("RoomIncome")}});
    // 株洲市 in March: B2001 1.5 + 0.5, B1003 30 + 10.
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430200"), c, true)),
              (std::vector<double>{42, 31.5}));
}

TEST_F(AreaSumTallix, UnitTypesSelectTheirEnterprises)
{
    const Items agencies = {{QStringLiteral("Base04"), QStringLiteral("OrganizePersons")}};
    TallixCondition international = Condition(1, QStringLiteral("A"), QStringLiteral("1"), agencies);
    TallixCondition all = Condition(1, QStringLiteral("A"), QString(), agencies);
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("43"), international, true)),
              std::vector<double>{90});
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430000"), all, true)), std::vector<double>{240});

    const Items rooms = {{QStringLiteral("Base01"), QStringLiteral("Rooms")}};
    TallixCondition hotels = Condition(1, QStringLiteral("B"), QStringLiteral("1"), rooms);
    TallixCondition others = Condition(1, QStringLiteral("B"), QStringLiteral("2"), rooms);
    TallixCondition rest = Condition(1, QStringLiteral("D"), QString(), rooms);
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430000"), hotels, true)),
              std::vector<double>{620});
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430000"), others, true)),
              std::vector<double>{40});
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430000"), rest, true)), std::vector<double>{10});
}

TEST_F(AreaSumTallix, NothingToSumGivesZeros)
{
    TallixCondition c = Condition(1, QStringLiteral("C"), QString(), LedgerFixture::AccommodationItems());
    const auto region = engine.CalculateTallix(QStringLiteral("440000"), c, true); // no scenic area there
    EXPECT_EQ(region->Name, QStringLiteral("广东省"));
    EXPECT_EQ(Values(*region), (std::vector<double>{0, 0, 0, 0}));

    TallixCondition march2004 =
        Condition(1, QStringLiteral("B"), QString(), LedgerFixture::AccommodationItems(), 2004);
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("B1002"), march2004, false)),
              (std::vector<double>{0, 0, 0, 120}));
}

TEST_F(AreaSumTallix, SamePeriodComparisonReadsTheMonthAYearEarlier)
{
    folder.Source(QStringLiteral("INSERT INTO Base05 (code, TableDate, InTourist) VALUES "
                                 "('B1002', '2005-04-01', 1000), ('B1002', '2006-04-01', 1000)"));
    const Items items = {{QStringLiteral("Base05"), QStringLiteral("InTourist")}};
    TallixCondition c = Condition(3, QStringLiteral("B"), QString(), items);

    // 230 in March 2006 against 184 in March 2005; 株洲市 42 / 2.
    const auto changsha = engine.CalculateTallix(QStringLiteral("430100"), c, true);
    EXPECT_EQ(c.YearStat, 2006);
    EXPECT_TRUE(changsha->Item(0).IsCompare);
    EXPECT_EQ(changsha->Item(0).SumValueNew, 230);
    EXPECT_EQ(changsha->Item(0).SumValueOld, 184);
    EXPECT_EQ(changsha->Item(0).SumValue(), 0.25);

    // The next row of the same run is again 2006 against 2005.
    const auto zhuzhou = engine.CalculateTallix(QStringLiteral("430200"), c, true);
    EXPECT_EQ(zhuzhou->Item(0).SumValueNew, 270);
    EXPECT_EQ(zhuzhou->Item(0).SumValueOld, 25);
    EXPECT_EQ(c.YearStat, 2006);

    TallixReport report;
    report.Add(changsha);
    report.Add(zhuzhou);
    EXPECT_DOUBLE_EQ(report.Total()->Item(0).SumValue(), 500.0 / 209 - 1);
}

TEST_F(AreaSumTallix, ComparisonWithAFallAndWithNothingBefore)
{
    folder.Source(QStringLiteral("INSERT INTO Base08 (code, TableDate, VisitorNum) VALUES "
                                 "('C0001', '2005-01-01', 200), ('C0001', '2006-01-01', 50), "
                                 "('C0001', '2006-02-01', 100)"));
    TallixCondition c = Condition(4, QStringLiteral("C"), QString(),
                                  {{QStringLiteral("Base08"), QStringLiteral("VisitorNum")},
                                   {QStringLiteral("Base08"), QStringLiteral("TicketIncome")}},
                                  2006, 2);
    const auto scenic = engine.CalculateTallix(QStringLiteral("C0001"), c, false);
    EXPECT_EQ(Values(*scenic), (std::vector<double>{-0.25, 0}));
    EXPECT_EQ(c.YearStat, 2006);
}

TEST_F(AreaSumTallix, AnUnreadableTextStopsTheRunNamingWhereItStands)
{
    folder.Source(QStringLiteral("INSERT INTO Base06 (code, TableDate, OperationIncome) VALUES "
                                 "('B1002', '2005-02-01', 'abc')"));
    TallixCondition c = Condition(4, QStringLiteral("B"), QString(), LedgerFixture::AccommodationItems());
    try {
        engine.CalculateTallix(QStringLiteral("430000"), c, true);
        FAIL() << "the text was summed";
    } catch (const ConversionError& e) {
        const QString text = e.UserText();
        EXPECT_TRUE(text.contains(QStringLiteral("Base06"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("OperationIncome"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("B1002"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("abc"))) << text.toStdString();
    }
    // It failed in the previous-year query: the year is back all the same.
    EXPECT_EQ(c.YearStat, 2006);

    // Outside the period the text is never read.
    TallixCondition current =
        Condition(2, QStringLiteral("B"), QString(), LedgerFixture::AccommodationItems());
    EXPECT_EQ(Values(*engine.CalculateTallix(QStringLiteral("430100"), current, true))[2], 79);
}

TEST_F(AreaSumTallix, AnUnreadableRegisterFieldIsNamedToo)
{
    folder.Source(QStringLiteral("UPDATE Base01 SET Rooms = 'viele' WHERE code = 'B1003'"));
    TallixCondition c =
        Condition(1, QStringLiteral("B"), QString(), {{QStringLiteral("Base01"), QStringLiteral("Rooms")}});
    for (const bool isArea : {true, false}) {
        try {
            engine.CalculateTallix(isArea ? QStringLiteral("430200") : QStringLiteral("B1003"), c, isArea);
            FAIL() << "the text was summed";
        } catch (const ConversionError& e) {
            EXPECT_TRUE(e.UserText().contains(QStringLiteral("Base01"))) << e.UserText().toStdString();
            EXPECT_TRUE(e.UserText().contains(QStringLiteral("Rooms"))) << e.UserText().toStdString();
            EXPECT_TRUE(e.UserText().contains(QStringLiteral("B1003"))) << e.UserText().toStdString();
        }
    }
}

TEST_F(AreaSumTallix, AnUnknownColumnIsADatabaseErrorNamingIt)
{
    TallixCondition c =
        Condition(3, QStringLiteral("B"), QString(), {{QStringLiteral("Base05"), QStringLiteral("Nope")}});
    try {
        engine.CalculateTallix(QStringLiteral("430000"), c, true);
        FAIL() << "the query ran";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.UserText().contains(QStringLiteral("Nope"))) << e.UserText().toStdString();
    }
    EXPECT_EQ(c.YearStat, 2006);
}

} // namespace
