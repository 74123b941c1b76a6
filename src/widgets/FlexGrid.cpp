#include "FlexGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int TwipsPerInch = 1440;
// The customary default column width of the grid control: 960 twips.
constexpr int DefaultColumnPixels = 64;

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the grid, as in every other control of a form.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setSortingEnabled(false);
    setCornerButtonEnabled(false);

    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setDefaultSectionSize(DefaultColumnPixels);
    EnsureHeaderItems();
}

void FlexGrid::SetRows(int rows)
{
    setRowCount(std::max(rows, 1) - 1);
}

void FlexGrid::SetCols(int cols)
{
    setColumnCount(std::max(cols, 1));
    EnsureHeaderItems();
    col_ = std::min(col_, columnCount() - 1);
}

// A column without a header item would show its number.
void FlexGrid::EnsureHeaderItems()
{
    for (int c = 0; c < columnCount(); ++c) {
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    }
}

void FlexGrid::CheckCell(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        throw std::out_of_range("FlexGrid cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                ") outside " + std::to_string(Rows()) + " x " + std::to_string(Cols()));
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    CheckCell(row, col);
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return cell ? cell->text() : QString();
}

QStringList FlexGrid::Column(int col) const
{
    QStringList texts;
    for (int row = 1; row < Rows(); ++row)
        texts << TextMatrix(row, col).trimmed();
    return texts;
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    CheckCell(row, col);
    if (row == 0) {
        horizontalHeaderItem(col)->setText(text);
        return;
    }
    if (QTableWidgetItem* cell = item(row - 1, col))
        cell->setText(text);
    else
        setItem(row - 1, col, ReadOnlyItem(text));
}

void FlexGrid::AddItem(const QString& text)
{
    const QStringList cells = text.split(QLatin1Char('\t'));
    const int row = rowCount();
    insertRow(row);
    const int filled = std::min<int>(cells.size(), columnCount());
    for (int c = 0; c < filled; ++c)
        setItem(row, c, ReadOnlyItem(cells[c]));
}

int FlexGrid::Row() const
{
    return currentRow() + 1;
}

void FlexGrid::SetRow(int row)
{
    if (row < 0 || row >= Rows())
        throw std::out_of_range("FlexGrid row " + std::to_string(row) + " outside " + std::to_string(Rows()));
    if (row == 0) {
        setCurrentIndex(QModelIndex());
        clearSelection();
        return;
    }
    setCurrentCell(row - 1, Col());
}

int FlexGrid::Col() const
{
    const int current = currentColumn();
    return current >= 0 ? current : col_;
}

void FlexGrid::SetCol(int col)
{
    if (col < 0 || col >= Cols())
        throw std::out_of_range("FlexGrid column " + std::to_string(col) + " outside " +
                                std::to_string(Cols()));
    col_ = col;
    if (currentRow() >= 0)
        setCurrentCell(currentRow(), col);
}

int FlexGrid::RowSel() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return 0;
    return selection.last().bottom() + 1;
}

int FlexGrid::ColWidth(int col) const
{
    CheckCell(0, col);
    return isColumnHidden(col) ? 0 : PixelsToTwips(columnWidth(col));
}

void FlexGrid::SetColWidth(int col, int twips)
{
    CheckCell(0, col);
    const int pixels = TwipsToPixels(std::max(twips, 0));
    setColumnHidden(col, pixels == 0);
    if (pixels > 0)
        setColumnWidth(col, pixels);
}

int FlexGrid::ClientWidth() const
{
    return PixelsToTwips(viewport()->width());
}

int FlexGrid::TwipsToPixels(int twips) const
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpiX() / TwipsPerInch));
}

int FlexGrid::PixelsToTwips(int pixels) const
{
    return static_cast<int>(std::lround(static_cast<double>(pixels) * TwipsPerInch / logicalDpiX()));
}
