#pragma once

#include <QSize>
#include <QString>
#include <QVector>
#include <memory>

class QChart;
class ReportDocument;

// A horizontal bar chart of one numeric column of a report: one bar per region or enterprise
// (the 合计 rows left out), sorted by value, the column's heading as title and the run's line
// as subtitle. The rows are the report's own, as the preview shows them.
class ReportChart
{
public:
    struct Bar
    {
        QString Label;
        double Value = 0;
        bool operator==(const Bar&) const = default;
    };

    // The layout columns that hold numbers, in printed order (the names column never).
    static QVector<int> NumericColumns(const ReportDocument& document);
    // The printed position (1 = the names column) of a layout column; 0 when not printed.
    static int Position(const ReportDocument& document, int column);
    // The layout column printed at a position; -1 when there is none.
    static int ColumnAt(const ReportDocument& document, int position);

    // The column's bars, smallest first (the bottom of the chart), the 合计 rows left out.
    static QVector<Bar> Bars(const ReportDocument& document, int column);
    static QString Heading(const ReportDocument& document, int column);

    // The chart of one column; its single bar series carries the values of Bars() in order.
    static std::unique_ptr<QChart> Create(const ReportDocument& document, int column);

    static constexpr QSize PngSize{1200, 800};
    // False when the file cannot be written (nothing is left then).
    static bool SavePng(const ReportDocument& document, int column, const QString& path);
    // One page per column given.
    static bool SavePdf(const ReportDocument& document, const QVector<int>& columns, const QString& path);
};
