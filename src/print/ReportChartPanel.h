#pragma once

#include <QWidget>
#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QStackedLayout;
class QToolButton;
class ReportDocument;

// The 图表 tab of the print window: a bar chart of the column chosen from the report's
// headings, saved as a picture or a PDF (the ledger's PDF holds one chart per column).
class ReportChartPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ReportChartPanel(QWidget* parent = nullptr);
    ~ReportChartPanel() override;

    void SetReport(std::shared_ptr<const ReportDocument> report);
    // The layout column shown; -1 without a chart.
    int Column() const;
    QChartView* View() const { return chartView_; }

    bool SavePng(const QString& path) const;
    bool SavePdf(const QString& path) const;

private:
    void ShowColumn();
    void SaveAs();

    QComboBox* cmbChartColumn_;
    QToolButton* cmdSaveChart_;
    QChartView* chartView_;
    QLabel* lblNoChart_;
    QStackedLayout* stack_;
    std::shared_ptr<const ReportDocument> report_;
};
