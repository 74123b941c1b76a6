#pragma once

#include "ReportLayout.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class Recordset;

// One report made from a layout: the texts set on its text objects and the rows bound to
// its columns. The window and the command line build it the same way; the renderer and
// the CSV writer only read it.
class ReportDocument
{
public:
    explicit ReportDocument(ReportLayout layout);

    const ReportLayout& Layout() const { return layout_; }
    // The report code it was loaded for ("1-3", "3_1").
    void SetCode(const QString& code) { code_ = code; }
    const QString& Code() const { return code_; }

    // Replaces the text of a named text object; false for a name the layout lacks.
    bool SetText(const QString& objectName, const QString& text);
    // The object's text: the one set, else the one stored in the layout.
    QString Text(const QString& objectName) const;
    QString Title() const { return Text(QStringLiteral("title")); }

    // What the run computed, printed under the title ("2025年12月 · 湖南省 · …"), and the
    // run's time for the foot of each page; both empty when the run is unknown.
    void SetRunLine(const QString& line) { runLine_ = line; }
    const QString& RunLine() const { return runLine_; }
    void SetRunTime(const QString& text) { runTime_ = text; }
    const QString& RunTime() const { return runTime_; }

    // No rows: nothing has been computed for this report since the tables were last emptied.
    bool IsEmpty() const { return rows_.isEmpty(); }
    static const QString NoDataMessage;

    // Takes every row of the recordset, in its order, bound to the layout's columns by name
    // (any case); a column the rows lack, or a NULL, stays empty.
    void SetDataSource(Recordset& rows);
    void SetRows(QVector<QStringList> rows);
    // Raw values, one entry per layout column.
    const QVector<QStringList>& Rows() const { return rows_; }

    // The layout columns that are drawn: those with a heading text or with a value in any row.
    QVector<int> VisibleColumns() const;
    QString HeadingText(int column) const;
    QString GroupText(int column) const;
    // What a cell shows: a number without the blanks around it, a name without trailing blanks.
    QString CellText(int row, int column) const;

    // The decimals a numeric column prints: the most any of its cells carries, at most
    // MaxDecimals; whole counts print none.
    int Decimals(int column) const;
    static constexpr int MaxDecimals = 2;

    // A cell as the preview, the PDF, the workbook and the chart show it: a number with its
    // column's decimals, so that a column lines up; any other text as CellText gives it.
    // The stored rows and the CSV keep the text as written.
    struct Cell
    {
        QString Text;
        bool IsNumber = false;
        double Value = 0;
    };
    Cell At(int row, int column) const;
    // A text shown in place of a cell's own (a name with its parent region, an enterprise
    // with its code); the rows and the CSV keep the text as stored.
    void SetShownText(int row, int column, const QString& text);

    // Text that reads as a number (blanks around allowed).
    static bool IsNumber(const QString& text);

private:
    ReportLayout layout_;
    QHash<QString, QString> texts_;
    void CountDecimals();

    QVector<QStringList> rows_;
    QVector<int> decimals_; // per layout column
    QHash<QPair<int, int>, QString> shown_;
    QString code_;
    QString runLine_;
    QString runTime_;
};
