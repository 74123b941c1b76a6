#pragma once

#include "ReportChart.h"
#include "ReportChartWriter.h"

#include <QWidget>
#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QScrollArea;
class QStackedLayout;
class QToolButton;
class ReportDocument;

// The 图表 tab of the print window: a bar chart of the column chosen from the report's
// headings (and of the section chosen, in a report made of sections), as tall as its bars
// need and scrolling in the tab; above ReportChart::ManyBars bars only the largest can be
// shown. Saved as a picture or a PDF (the ledger's PDF holds one chart per column).
class ReportChartPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ReportChartPanel(QWidget* parent = nullptr);
    ~ReportChartPanel() override;

    void SetReport(std::shared_ptr<const ReportDocument> report);
    // The layout column shown; -1 without a chart.
    int Column() const;
    ReportChart::Choice Choice() const;
    QChartView* View() const { return chartView_; }

    bool SavePng(const QString& path) const;
    bool SavePdf(const QString& path) const;

signals:
    // A file was written: where it went.
    void Saved(const QString& path);

private:
    void ShowColumn();
    // The writer of the chart in view; the ledger's PDF takes every numeric column.
    ReportChartWriter Writer(ReportChartWriter::Format format) const;
    void SaveAs();

    QComboBox* cmbChartColumn_;
    QComboBox* cmbChartSection_;
    QComboBox* cmbChartTop_;
    QLabel* lblLeftOut_;
    QToolButton* cmdSaveChart_;
    QScrollArea* scroll_;
    QChartView* chartView_;
    QLabel* lblNoChart_;
    QStackedLayout* stack_;
    std::shared_ptr<const ReportDocument> report_;
};
