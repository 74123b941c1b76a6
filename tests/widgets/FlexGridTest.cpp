#include "FlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList Column(const FlexGrid& grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid.Rows(); ++r)
        texts << grid.TextMatrix(r, col);
    return texts;
}

void ClickRow(FlexGrid& grid, int row)
{
    const QRect cell = grid.visualItemRect(grid.item(row - 1, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Row 0 is the header; a new column shows an empty heading, not its number.
TEST(FlexGrid, HeaderTextsAreRowZero)
{
    FlexGrid grid;
    grid.SetTextMatrix(0, 0, QStringLiteral("地区代号"));
    grid.AddItem(QStringLiteral("430000\t湖南省"));
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("地区代号"));
    grid.SetCols(3);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QString());
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("地区代号"));
}

TEST(FlexGrid, SetRowsShrinksFromTheEndAndGrowsWithEmptyRows)
{
    FlexGrid grid;
    for (const char* text : {"1\ta", "2\tb", "3\tc"})
        grid.AddItem(QString::fromLatin1(text));
    ASSERT_EQ(grid.Rows(), 4);

    grid.SetRows(3);
    EXPECT_EQ(Column(grid, 0), (QStringList{"1", "2"}));

    grid.SetRows(5);
    EXPECT_EQ(Column(grid, 0), (QStringList{"1", "2", "", ""}));
    EXPECT_EQ(grid.TextMatrix(4, 1), QString());
    grid.SetTextMatrix(4, 1, QStringLiteral("x"));
    EXPECT_EQ(grid.TextMatrix(4, 1), QStringLiteral("x"));

    grid.SetRows(1);
    EXPECT_EQ(grid.Rows(), 1);
    grid.SetTextMatrix(0, 0, QStringLiteral("h"));
    grid.SetRows(0); // never below the header row
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("h"));
}

struct AddItemCase
{
    const char* text;
    int cols;
    QStringList cells;
};

class FlexGridAddItem : public ::testing::TestWithParam<AddItemCase>
{
};

TEST_P(FlexGridAddItem, SplitsAtTabs)
{
    const AddItemCase& c = GetParam();
    FlexGrid grid;
    grid.SetCols(c.cols);
    grid.AddItem(QString::fromUtf8("first"));
    grid.AddItem(QString::fromUtf8(c.text));
    ASSERT_EQ(grid.Rows(), 3);
    QStringList cells;
    for (int col = 0; col < grid.Cols(); ++col)
        cells << grid.TextMatrix(2, col);
    EXPECT_EQ(cells, c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, FlexGridAddItem,
    ::testing::Values(AddItemCase{"430100\t长沙市", 2, {"430100", "长沙市"}},
                      AddItemCase{"430100", 2, {"430100", ""}}, AddItemCase{"", 2, {"", ""}},
                      AddItemCase{"\t名称", 2, {"", "名称"}}, AddItemCase{"a\tb\tc\td", 2, {"a", "b"}},
                      AddItemCase{" 营业收入 \tsum(a)\tBase04", 3, {" 营业收入 ", "sum(a)", "Base04"}},
                      AddItemCase{"a\t\tc", 3, {"a", "", "c"}}));

TEST(FlexGrid, CellsAreReadOnly)
{
    FlexGrid grid;
    grid.AddItem(QStringLiteral("1\ta"));
    grid.show();
    const QRect cell = grid.visualItemRect(grid.item(0, 1));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(&grid, Qt::Key_F2);
    QWidget* typedInto = QApplication::focusWidget() ? QApplication::focusWidget() : &grid;
    QTest::keyClicks(typedInto, QStringLiteral("zz"));
    QTest::keyClick(typedInto, Qt::Key_Return);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("a"));
    EXPECT_FALSE(grid.findChild<QLineEdit*>());
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
}

TEST(FlexGrid, ClickingADataRowSelectsTheWholeRow)
{
    FlexGrid grid;
    for (const char* text : {"1\ta", "2\tb", "3\tc"})
        grid.AddItem(QString::fromLatin1(text));
    grid.show();
    EXPECT_EQ(grid.RowSel(), 0);

    ClickRow(grid, 2);
    EXPECT_EQ(grid.RowSel(), 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(1, {}));

    ClickRow(grid, 3);
    EXPECT_EQ(grid.RowSel(), 3);
    EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 1);
}

// Dropping the selected last row moves the highlight to the new last row, and RowSel
// follows what the user sees highlighted; without data rows nothing is selected.
TEST(FlexGrid, RowSelFollowsTheHighlightWhenRowsGo)
{
    FlexGrid grid;
    grid.AddItem(QStringLiteral("1\ta"));
    grid.AddItem(QStringLiteral("2\tb"));
    grid.show();
    ClickRow(grid, 2);
    ASSERT_EQ(grid.RowSel(), 2);
    grid.SetRows(2);
    EXPECT_EQ(grid.RowSel(), 1);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(0, {}));
    grid.SetRows(1);
    EXPECT_EQ(grid.RowSel(), 0);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(FlexGrid, ColumnWidthsInTwips)
{
    FlexGrid grid;
    grid.SetCols(3);
    ASSERT_EQ(grid.logicalDpiX(), 96);

    grid.SetColWidth(1, 2200);
    EXPECT_EQ(grid.columnWidth(1), 147);
    EXPECT_EQ(grid.ColWidth(1), 2205); // whole pixels

    grid.SetColWidth(2, 0);
    EXPECT_TRUE(grid.isColumnHidden(2));
    EXPECT_EQ(grid.ColWidth(2), 0);
    grid.AddItem(QStringLiteral("营业收入\tsum(a)\tBase04"));
    EXPECT_EQ(grid.TextMatrix(1, 2), QStringLiteral("Base04"));

    grid.SetColWidth(2, 1500);
    EXPECT_FALSE(grid.isColumnHidden(2));
    EXPECT_EQ(grid.ColWidth(2), 1500);
}

TEST(FlexGrid, CellsOutsideTheGridAreRefused)
{
    FlexGrid grid;
    grid.AddItem(QStringLiteral("1\ta"));
    EXPECT_THROW(grid.TextMatrix(2, 0), std::out_of_range);
    EXPECT_THROW(grid.TextMatrix(1, 2), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(-1, 0, QString()), std::out_of_range);
    EXPECT_THROW(grid.SetRow(2), std::out_of_range);
}

} // namespace
