#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class ReportChartPanel;
class ReportDocument;
class ReportWriter;

// The report viewer of the print window: a page preview with buttons to print, save as
// PDF, zoom and move between pages.
class ReportViewer : public QWidget
{
    Q_OBJECT

public:
    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    // The report to show (null: nothing); shown once ViewReport is called.
    void SetReportSource(std::shared_ptr<const ReportDocument> report);
    const ReportDocument* Report() const { return report_.get(); }
    void ViewReport();
    // Scrolls the preview to the top of page 1.
    void ToFirstPage();

    int PageCount() const;
    int CurrentPage() const;
    QString PageText() const;

    // The report as a PDF file; false when there is no report or the file cannot be written.
    bool ExportPdf(const QString& path) const;
    // The report as a one-sheet workbook; false as above.
    bool ExportExcel(const QString& path) const;

    ReportChartPanel* ChartPanel() const { return chartPanel_; }
    QPrintPreviewWidget* Preview() const { return preview_; }

private:
    QTabWidget* CreateViews();
    void SetKeys(QToolButton* print, QToolButton* zoomIn, QToolButton* zoomOut, QToolButton* previous,
                 QToolButton* next);
    void PrintReport();
    void ExportReport();
    void ExportWorkbook();
    void ExportAs(const QString& caption, const ReportWriter& writer);
    void MovePage(int step);
    void ShowSaved(const QString& path);
    void UpdatePageText();
    void PaintRequested(QPrinter* printer);

    std::unique_ptr<QPrinter> printer_;
    QStackedWidget* pages_;
    QPrintPreviewWidget* preview_;
    QLabel* lblPage_;
    QLabel* lblEmpty_;
    QLabel* lblStatus_;
    QTabWidget* tabViews_;
    ReportChartPanel* chartPanel_;
    std::shared_ptr<const ReportDocument> report_;
};
