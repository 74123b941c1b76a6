#include "TallixAreaData.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "DbConnection.h"
#include "LedgerFixture.h"
#include "TallixReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

std::shared_ptr<TallixIndex> Index(double now, double before = 0, bool compare = false,
                                   const char* table = "Base05", const char* field = "InTourist")
{
    auto index = std::make_shared<TallixIndex>();
    index->Tablename = QString::fromLatin1(table);
    index->FieldName = QString::fromLatin1(field);
    index->SumValueNew = now;
    index->SumValueOld = before;
    index->IsCompare = compare;
    return index;
}

std::shared_ptr<TallixAreaData> Row(const QString& name, const TallixIndexList& columns)
{
    auto row = std::make_shared<TallixAreaData>();
    row->Name = name;
    row->SetCustomIndexs(columns);
    return row;
}

struct SumCase
{
    double now;
    double before;
    bool compare;
    double expected;
};

class SumValue : public testing::TestWithParam<SumCase>
{
};

TEST_P(SumValue, IsTheSumOrThePlainGrowthFraction)
{
    const SumCase& c = GetParam();
    EXPECT_DOUBLE_EQ(Index(c.now, c.before, c.compare)->SumValue(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SumValue,
                         testing::Values(SumCase{12.5, 99, false, 12.5}, SumCase{250, 200, true, 0.25},
                                         SumCase{150, 200, true, -0.25}, SumCase{150, 0, true, 0},
                                         SumCase{0, 0, true, 0}, SumCase{0, 200, true, -1},
                                         SumCase{-50, -100, true, -0.5}));

const QString Insert = QStringLiteral(
    "insert into type22 (value1,value2,value3,value4,value5,value6,value7,value8,value9)values('");

TEST(TallixAreaDataSave, AlwaysNineValues)
{
    EXPECT_EQ(Row(QStringLiteral("长沙市"), {Index(1.0 / 3), Index(250, 200, true), Index(-0.1)})->SaveSql(),
              Insert + QStringLiteral("长沙市','0.333333333333333','0.25','-0.1','','','','','')"));

    TallixIndexList eight;
    for (int i = 1; i <= 8; ++i)
        eight.push_back(Index(i));
    EXPECT_EQ(Row(QStringLiteral("x"), eight)->SaveSql(),
              Insert + QStringLiteral("x','1','2','3','4','5','6','7','8')"));

    TallixAreaData total;
    total.Name = QStringLiteral("合计");
    EXPECT_EQ(total.SaveSql(), Insert + QStringLiteral("合计','','','','','','','','')"));

    EXPECT_EQ(Row(QStringLiteral("O'Hare"), {})->SaveSql(),
              Insert + QStringLiteral("O''Hare','','','','','','','','')"));
}

TEST(TallixAreaDataSave, RefusesANinthColumn)
{
    TallixIndexList nine;
    for (int i = 0; i < 9; ++i)
        nine.push_back(Index(i));
    EXPECT_THROW(Row(QStringLiteral("x"), nine)->SaveSql(), std::length_error);
}

TEST(TallixAreaData, ColumnsAreDeepCopiesAndClearKeepsTheirNames)
{
    const auto source = Index(5, 4, true, "Base06", "OperationIncome");
    TallixAreaData row;
    row.SetCustomIndexs({source});
    source->SumValueNew = 100;
    source->Tablename = QStringLiteral("changed");
    EXPECT_EQ(row.Item(0).SumValueNew, 5);
    EXPECT_NE(row.CustomIndexs()[0].get(), source.get());

    row.Clear();
    EXPECT_EQ(row.Item(0).Tablename, QStringLiteral("Base06"));
    EXPECT_EQ(row.Item(0).FieldName, QStringLiteral("OperationIncome"));
    EXPECT_TRUE(row.Item(0).IsCompare);
    EXPECT_EQ(row.Item(0).SumValueNew, 0);
    EXPECT_EQ(row.Item(0).SumValueOld, 0);

    // The getter hands out the row's own objects.
    row.CustomIndexs()[0]->SumValueNew = 3;
    EXPECT_EQ(row.Item(0).SumValueNew, 3);
    EXPECT_THROW(row.Item(1), std::out_of_range);
    EXPECT_THROW(row.Item(-1), std::out_of_range);
}

TEST(TallixAreaData, AddingIntoAFreshTotalCopiesThenAddsBothSums)
{
    TallixAreaData total;
    const auto first = Row(QStringLiteral("a"), {Index(250, 200, true), Index(3)});
    const auto second = Row(QStringLiteral("b"), {Index(150, 200, true), Index(4)});
    TallixAreaData::AddTallixAreaData(total, *first);
    TallixAreaData::AddTallixAreaData(total, *second);

    ASSERT_EQ(total.ColumnCount(), 2);
    EXPECT_TRUE(total.Item(0).IsCompare);
    EXPECT_EQ(total.Item(0).SumValueNew, 400);
    EXPECT_EQ(total.Item(0).SumValueOld, 400);
    EXPECT_EQ(total.Item(0).SumValue(), 0); // from the summed values, not the mean of +25 % and -25 %
    EXPECT_EQ(total.Item(1).SumValue(), 7);
    EXPECT_EQ(first->Item(0).SumValueNew, 250); // the source is left alone
    EXPECT_TRUE(total.Name.isEmpty());
}

TEST(TallixReport, PositionsCountFromOne)
{
    TallixReport report;
    report.Add(Row(QStringLiteral("a"), {}));
    report.Add(Row(QStringLiteral("b"), {}));
    report.Add(Row(QStringLiteral("c"), {}));
    EXPECT_EQ(report.Item(1)->Name, QStringLiteral("a"));
    report.Delete(2);
    EXPECT_EQ(report.Count(), 2);
    EXPECT_EQ(report.Item(2)->Name, QStringLiteral("c"));
    EXPECT_THROW(report.Item(0), std::out_of_range);
    EXPECT_THROW(report.Delete(3), std::out_of_range);
    report.Clear();
    EXPECT_EQ(report.Count(), 0);
    EXPECT_EQ(report.Total()->ColumnCount(), 0);
}

TEST(TallixReport, SaveWritesTheTotalFirstThenEveryRow)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral(
        "INSERT INTO type11 (value1) VALUES ('old');INSERT INTO type22 (value1) VALUES ('old')"));
    TallixReport report;
    report.Save();
    EXPECT_EQ(LedgerFixture::LedgerRows(folder), QStringList{QStringLiteral("合计\t\t\t\t\t\t\t\t\t<null>")});
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM type11")).isEmpty());

    report.Add(Row(QStringLiteral("长沙市"), {Index(250, 200, true), Index(1.5)}));
    report.Add(Row(QStringLiteral("株洲市"), {Index(150, 200, true), Index(2)}));
    report.Save();
    EXPECT_EQ(LedgerFixture::LedgerRows(folder),
              (QStringList{QStringLiteral("合计\t0\t3.5\t\t\t\t\t\t\t<null>"),
                           QStringLiteral("长沙市\t0.25\t1.5\t\t\t\t\t\t\t<null>"),
                           QStringLiteral("株洲市\t-0.25\t2\t\t\t\t\t\t\t<null>")}));
}

TEST(TallixReport, AFailedSaveLeavesNothingHalfWritten)
{
    TempAppFolder folder;
    {
        // A trigger body holds a ";", which the folder's script runner would split on.
        DbConnection own;
        own.Open(folder.OwnDatabase());
        own.Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON type22 WHEN NEW.value1 = '坏' "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    }
    TallixReport report;
    report.Add(Row(QStringLiteral("好"), {Index(1)}));
    report.Add(Row(QStringLiteral("坏"), {Index(2)}));
    EXPECT_THROW(report.Save(), DatabaseError);
    EXPECT_TRUE(LedgerFixture::LedgerRows(folder).isEmpty());
}

} // namespace
