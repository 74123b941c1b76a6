#include "TallixAreaData.h"
#include "DatabaseError.h"
#include "DbConnection.h"
#include "LedgerFixture.h"
#include "TallixReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

// How rows add up into the total is proved by the reference ledgers.
namespace {

std::shared_ptr<TallixIndex> Index(double now, double before = 0, bool compare = false)
{
    return std::make_shared<TallixIndex>(TallixIndex{"Base06", "OperationIncome", before, now, compare});
}

std::shared_ptr<TallixAreaData> Row(const QString& name, const TallixIndexList& columns)
{
    auto row = std::make_shared<TallixAreaData>();
    row->Name = name;
    row->SetCustomIndexs(columns);
    return row;
}

TEST(TallixIndex, SumValueIsTheSumOrThePlainGrowthFraction)
{
    const std::tuple<double, double, bool, double> cases[] = {
        {12.5, 99, false, 12.5}, {250, 200, true, 0.25}, {150, 200, true, -0.25},
        {150, 0, true, 0},       {0, 200, true, -1},     {-50, -100, true, -0.5}};
    for (const auto& [now, before, compare, expected] : cases)
        EXPECT_DOUBLE_EQ(Index(now, before, compare)->SumValue(), expected) << now << " " << before;
}

TEST(TallixAreaData, SaveAlwaysWritesNineValuesForAtMostEightColumns)
{
    const QString insert = QStringLiteral(
        "insert into type22 (value1,value2,value3,value4,value5,value6,value7,value8,value9)values('");
    EXPECT_EQ(Row("长沙市", {Index(1.0 / 3), Index(250, 200, true), Index(-0.1)})->SaveSql(),
              insert + "长沙市','0.333333333333333','0.25','-0.1','','','','','')");
    TallixIndexList columns;
    for (int i = 1; i <= 8; ++i)
        columns.push_back(Index(i));
    EXPECT_EQ(Row("x", columns)->SaveSql(), insert + "x','1','2','3','4','5','6','7','8')");
    EXPECT_EQ(Row("O'Hare", {})->SaveSql(), insert + "O''Hare','','','','','','','','')");

    columns.push_back(Index(9));
    EXPECT_THROW(Row("x", columns)->SaveSql(), std::length_error);
}

TEST(TallixAreaData, ColumnsAreDeepCopiesAndClearKeepsTheirNames)
{
    const auto source = Index(5, 4, true);
    TallixAreaData row;
    row.SetCustomIndexs({source});
    source->SumValueNew = 100;
    source->Tablename = QStringLiteral("changed");
    EXPECT_EQ(row.Item(0).SumValueNew, 5);

    row.Clear();
    EXPECT_EQ(row.Item(0).Tablename + "." + row.Item(0).FieldName, "Base06.OperationIncome");
    EXPECT_TRUE(row.Item(0).IsCompare);
    EXPECT_EQ(row.Item(0).SumValueNew, 0);
    EXPECT_EQ(row.Item(0).SumValueOld, 0);
    EXPECT_THROW(row.Item(1), std::out_of_range);
    EXPECT_THROW(row.Item(-1), std::out_of_range);
}

TEST(TallixReport, AnEmptyLedgerIsTheTotalAloneInEmptiedResultTables)
{
    TempAppFolder folder;
    folder.Own("INSERT INTO type11 (value1) VALUES ('old');INSERT INTO type22 (value1) VALUES ('old')");
    TallixReport report;
    report.Add(Row("a", {Index(1)}));
    report.Clear();
    EXPECT_EQ(report.Count(), 0);
    EXPECT_EQ(report.Total()->ColumnCount(), 0);
    report.Save();
    EXPECT_EQ(LedgerFixture::LedgerRows(folder), QStringList{LedgerFixture::EmptyTotal});
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM type11").isEmpty());
}

TEST(TallixReport, AFailedSaveLeavesNothingHalfWritten)
{
    TempAppFolder folder;
    {
        // A trigger body holds a ";", which the folder's script runner would split on.
        DbConnection own;
        own.Open(folder.OwnDatabase());
        own.Execute("CREATE TRIGGER refuse BEFORE INSERT ON type22 WHEN NEW.value1 = '坏' "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }
    TallixReport report;
    report.Add(Row("好", {Index(1)}));
    report.Add(Row("坏", {Index(2)}));
    EXPECT_THROW(report.Save(), DatabaseError);
    EXPECT_TRUE(LedgerFixture::LedgerRows(folder).isEmpty());
}

} // namespace
