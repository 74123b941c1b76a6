#pragma once

#include <QTableWidget>

// The grid of the windows. Row 0 is the fixed header row (drawn as the horizontal header);
// data rows start at 1, so row numbers match those the windows count with. Widths are in
// twips, 15 twips to a pixel at 96 dpi; a width of 0 hides the column.
class FlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // Row count including the header row (at least 1).
    int Rows() const { return rowCount() + 1; }
    void SetRows(int rows);

    int Cols() const { return columnCount(); }
    void SetCols(int cols);

    // Cell text; row 0 is the header. Out-of-range cells throw std::out_of_range.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The trimmed texts of one column's data rows, top to bottom.
    QStringList Column(int col) const;

    // Appends one data row from tab-separated cell texts; missing cells stay empty,
    // cells beyond the last column are dropped.
    void AddItem(const QString& text);

    // The current cell; Row() is 0 while no data row is current. Setting a data row
    // makes it the selected row as well; SetRow(0) clears current cell and selection.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    QString Text() const { return TextMatrix(Row(), Col()); }

    // The row where the selection ends, 0 when no data row is selected.
    int RowSel() const;

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);

    // The width available to the columns, in twips.
    int ClientWidth() const;

    int TwipsToPixels(int twips) const;
    int PixelsToTwips(int pixels) const;

private:
    void CheckCell(int row, int col) const;
    void EnsureHeaderItems();

    int col_ = 0;
};
