#include "DatabaseError.h"
#include "ResultRow.h"
#include "ResultTables.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString Header = QStringLiteral("insert into type22(value1,value2,value3,value4,tablecode)");

ResultRow Row(const QString& name)
{
    ResultRow row(Header, name);
    row.Value(12.5).BlankFirst(3).BlankOutside(0.25);
    return row;
}

const QString All = QStringLiteral("select value1, value2, value3, value4, tablecode from type22");

// Written in the transaction or as a statement of its own, a line is stored alike.
TEST(ResultTables, PreparedLinesStoreWhatTheStatementsStore)
{
    TempAppFolder folder;
    const ResultRow row = Row(QStringLiteral("O'Hare 区"));
    EXPECT_EQ(row.Statement(QStringLiteral("1_2")),
              Header + QStringLiteral("values ('O''Hare 区','12.5',' 3', '0.25','1_2')"));
    ResultTables::Insert(row, QStringLiteral("1_2"));
    const QStringList alone = folder.OwnRows(All);
    ResultTables::Replace([&] { ResultTables::Insert(row, QStringLiteral("1_2")); });
    EXPECT_EQ(folder.OwnRows(All), alone);
    EXPECT_EQ(alone, QStringList{QStringLiteral("O'Hare 区\t12.5\t 3\t0.25\t1_2")});
}

// A failure part-way, by the writer or by the engine, leaves the previous report whole.
TEST(ResultTables, FailedReplaceKeepsThePreviousReport)
{
    TempAppFolder folder;
    ResultTables::Replace([] {
        ResultTables::Insert(Row(QStringLiteral("合计")), QStringLiteral("1_2"));
        ResultTables::Insert(Row(QStringLiteral("长沙市")), QStringLiteral("1_2"));
    });
    folder.Own(QStringLiteral("INSERT INTO type66 (value1) VALUES ('其他报表')"));
    const QStringList before = folder.OwnRows(All) + folder.OwnRows(QStringLiteral("select value1 from type66"));

    EXPECT_THROW(ResultTables::Replace([] {
                     ResultTables::Insert(Row(QStringLiteral("新")), QStringLiteral("1_2"));
                     throw std::runtime_error("a pass failed");
                 }),
                 std::runtime_error);
    EXPECT_THROW(ResultTables::Replace([] {
                     ResultTables::Insert(Row(QStringLiteral("新")), QStringLiteral("1_2"));
                     ResultTables::Insert(ResultRow(QStringLiteral("insert into nosuch(value1,tablecode)"),
                                                    QStringLiteral("x")),
                                          QStringLiteral("1_2"));
                 }),
                 DatabaseError);
    EXPECT_EQ(folder.OwnRows(All) + folder.OwnRows(QStringLiteral("select value1 from type66")), before);

    // And the next report replaces it whole.
    ResultTables::Replace([] { ResultTables::Insert(Row(QStringLiteral("株洲市")), QStringLiteral("1_2")); });
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select value1 from type22")), QStringList{QStringLiteral("株洲市")});
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("select value1 from type66")).isEmpty());
}

} // namespace
