#pragma once

#include <QSize>
#include <QString>
#include <QVector>
#include <memory>

class QChart;
class ReportDocument;

// A horizontal bar chart of one numeric column of a report: one bar per region or enterprise
// (the 合计 rows left out), sorted by value, the column's heading as title and the run's line
// as subtitle. The rows are the report's own, as the preview shows them. A chart grows in
// height with its bars, so that every label stands whole; a report made of sections (1-1 by
// registration type, room size and stars; 2-1-1 by category) is charted one section at a time.
class ReportChart
{
public:
    struct Bar
    {
        QString Label;
        double Value = 0;
        bool operator==(const Bar&) const = default;
    };

    // Rows of a report that belong together: charting them with others would mix kinds.
    struct Section
    {
        QString Name;
        QVector<int> Rows;
    };

    // What is charted: a column, a section (-1: every row of a report without sections) and
    // how many of the largest bars (0: all).
    struct Choice
    {
        int Column = -1;
        int Section = -1;
        int Top = 0;
    };

    // The layout columns that hold numbers, in printed order (the names column never).
    static QVector<int> NumericColumns(const ReportDocument& document);
    // The printed position (1 = the names column) of a layout column; 0 when not printed.
    static int Position(const ReportDocument& document, int column);
    // The layout column printed at a position; -1 when there is none.
    static int ColumnAt(const ReportDocument& document, int position);

    // The sections of a report; empty for a report that is one list.
    static QVector<Section> Sections(const ReportDocument& document);

    // The column's bars, smallest first (the bottom of the chart), the 合计 rows left out;
    // only the rows of the section when one is given. Values carry the column's decimals.
    static QVector<Bar> Bars(const ReportDocument& document, int column, int section = -1);
    // The bars of a choice: its section, and its largest Top bars, still smallest first.
    static QVector<Bar> Bars(const ReportDocument& document, const Choice& choice);
    static QString Heading(const ReportDocument& document, int column);

    // The chart of the bars given; its single bar series carries their values in order.
    static std::unique_ptr<QChart> Create(const ReportDocument& document, int column, const QVector<Bar>& bars,
                                          const QString& note = QString());
    static std::unique_ptr<QChart> Create(const ReportDocument& document, int column);

    // Above this many bars a chart offers to show only the largest.
    static constexpr int ManyBars = 40;
    // Height each bar gets, and the room for the titles and the axis.
    static constexpr int BarPitch = 22;
    static constexpr int FrameHeight = 150;
    // The least size of a picture; a chart of many bars is taller.
    static constexpr QSize PngSize{1200, 800};
    static int HeightFor(int bars);

    // False when the file cannot be written (nothing is left then).
    static bool SavePng(const ReportDocument& document, const Choice& choice, const QString& path);
    static bool SavePng(const ReportDocument& document, int column, const QString& path);
    // One chart per column given, over as many pages as its bars need.
    static bool SavePdf(const ReportDocument& document, const QVector<Choice>& choices, const QString& path);
    static bool SavePdf(const ReportDocument& document, const QVector<int>& columns, const QString& path);
};
