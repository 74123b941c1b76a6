#include "ReportViewer.h"

#include "FileDialogs.h"
#include "MessagePresenter.h"
#include "ReportChartPanel.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"
#include "ReportWriter.h"
#include "WaitCursor.h"

#include <QDir>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* Button(QWidget* parent, QHBoxLayout* bar, const char* name, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
    return button;
}

} // namespace

ReportViewer::ReportViewer(QWidget* parent)
    : QWidget(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    column->addLayout(bar);

    auto* print = Button(this, bar, "cmdPrint", QStringLiteral("打印"));
    auto* exportPdf = Button(this, bar, "cmdExportPdf", QStringLiteral("导出PDF"));
    auto* exportExcel = Button(this, bar, "cmdExportExcel", QStringLiteral("导出Excel"));
    bar->addSpacing(12);
    auto* zoomIn = Button(this, bar, "cmdZoomIn", QStringLiteral("放大"));
    auto* zoomOut = Button(this, bar, "cmdZoomOut", QStringLiteral("缩小"));
    auto* fitWidth = Button(this, bar, "cmdFitWidth", QStringLiteral("适合宽度"));
    bar->addSpacing(12);
    auto* previous = Button(this, bar, "cmdPreviousPage", QStringLiteral("上一页"));
    auto* next = Button(this, bar, "cmdNextPage", QStringLiteral("下一页"));
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    bar->addSpacing(8);
    bar->addWidget(lblPage_);
    bar->addStretch();
    // Where the last file went.
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    bar->addWidget(lblStatus_);

    column->addWidget(CreateViews(), 1);

    connect(chartPanel_, &ReportChartPanel::Saved, this, &ReportViewer::ShowSaved);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &ReportViewer::PaintRequested);
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ReportViewer::UpdatePageText);
    connect(print, &QToolButton::clicked, this, &ReportViewer::PrintReport);
    connect(exportPdf, &QToolButton::clicked, this, &ReportViewer::ExportReport);
    connect(exportExcel, &QToolButton::clicked, this, &ReportViewer::ExportWorkbook);
    connect(zoomIn, &QToolButton::clicked, preview_, [this] { preview_->zoomIn(); });
    connect(zoomOut, &QToolButton::clicked, preview_, [this] { preview_->zoomOut(); });
    connect(fitWidth, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitToWidth);
    connect(previous, &QToolButton::clicked, this, [this] { MovePage(-1); });
    connect(next, &QToolButton::clicked, this, [this] { MovePage(1); });

    SetKeys(print, zoomIn, zoomOut, previous, next);
    ViewReport();
}

QTabWidget* ReportViewer::CreateViews()
{
    // The preview, or in its place a page that says why there is nothing to preview.
    pages_ = new QStackedWidget(this);
    lblEmpty_ = new QLabel(pages_);
    lblEmpty_->setObjectName(QStringLiteral("lblEmpty"));
    lblEmpty_->setAlignment(Qt::AlignCenter);
    lblEmpty_->setBackgroundRole(QPalette::Dark);
    lblEmpty_->setAutoFillBackground(true);
    pages_->addWidget(lblEmpty_);
    preview_ = new QPrintPreviewWidget(printer_.get(), pages_);
    preview_->setObjectName(QStringLiteral("preview"));
    pages_->addWidget(preview_);
    tabViews_ = new QTabWidget(this);
    tabViews_->setObjectName(QStringLiteral("tabViews"));
    tabViews_->setDocumentMode(true);
    tabViews_->addTab(pages_, QStringLiteral("预览"));
    chartPanel_ = new ReportChartPanel(tabViews_);
    chartPanel_->setObjectName(QStringLiteral("chartPanel"));
    tabViews_->addTab(chartPanel_, QStringLiteral("图表"));
    return tabViews_;
}

void ReportViewer::SetKeys(QToolButton* print, QToolButton* zoomIn, QToolButton* zoomOut,
                           QToolButton* previous, QToolButton* next)
{
    // The keys of every document viewer.
    print->setShortcut(QKeySequence::Print);
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    previous->setShortcut(QKeySequence::MoveToPreviousPage);
    next->setShortcut(QKeySequence::MoveToNextPage);
    const auto key = [this](const QKeySequence& sequence, auto action) { new QShortcut(sequence, this, action); };
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [zoomIn] { zoomIn->click(); });
    key(QKeySequence(Qt::Key_Home), [this] { MovePage(1 - CurrentPage()); });
    key(QKeySequence(Qt::Key_End), [this] { MovePage(PageCount() - CurrentPage()); });
}

ReportViewer::~ReportViewer() = default;

void ReportViewer::SetReportSource(std::shared_ptr<const ReportDocument> report)
{
    report_ = std::move(report);
}

void ReportViewer::ViewReport()
{
    const bool shown = report_ && !report_->IsEmpty();
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setEnabled(shown);
    // The preview keeps its last pages when nothing is painted, so without a report it gives
    // way to an empty page, which says why when the report has no rows.
    lblEmpty_->setText(report_ && report_->IsEmpty() ? ReportDocument::NoDataMessage : QString());
    pages_->setCurrentWidget(shown ? static_cast<QWidget*>(preview_) : lblEmpty_);
    if (shown)
        preview_->updatePreview();
    chartPanel_->SetReport(report_);
    preview_->fitToWidth();
    preview_->setCurrentPage(1);
    UpdatePageText();
}

void ReportViewer::ToFirstPage()
{
    // Page 1 again is no change to the preview, which then keeps its scroll position.
    if (auto* view = preview_->findChild<QGraphicsView*>()) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
    }
    preview_->setCurrentPage(1);
    UpdatePageText();
}

int ReportViewer::PageCount() const
{
    return report_ && !report_->IsEmpty() ? preview_->pageCount() : 0;
}

int ReportViewer::CurrentPage() const
{
    return PageCount() > 0 ? preview_->currentPage() : 0;
}

QString ReportViewer::PageText() const
{
    if (PageCount() == 0)
        return QString();
    return QStringLiteral("第 %1 页 共 %2 页").arg(CurrentPage()).arg(PageCount());
}

bool ReportViewer::ExportPdf(const QString& path) const
{
    return report_ && !ReportWriter::Create(ReportWriter::Kind::Pdf)->Write(*report_, path);
}

bool ReportViewer::ExportExcel(const QString& path) const
{
    return report_ && !ReportWriter::Create(ReportWriter::Kind::Workbook)->Write(*report_, path);
}

void ReportViewer::PaintRequested(QPrinter* printer)
{
    if (report_)
        ReportRenderer(*report_).Render(*printer);
}

void ReportViewer::PrintReport()
{
    if (!report_)
        return;
    const ReportRenderer renderer(*report_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(renderer.PageLayout());
    printer.setDocName(report_->Title().trimmed());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The paper and orientation chosen in the dialog stand.
    if (!renderer.Render(printer, false))
        MessagePresenter::Show(QStringLiteral("无法打印到 ") + printer.printerName());
}

void ReportViewer::ExportReport()
{
    ExportAs(QStringLiteral("导出PDF"), *ReportWriter::Create(ReportWriter::Kind::Pdf));
}

void ReportViewer::ExportWorkbook()
{
    ExportAs(QStringLiteral("导出Excel"), *ReportWriter::Create(ReportWriter::Kind::Workbook));
}

void ReportViewer::ExportAs(const QString& caption, const ReportWriter& writer)
{
    if (!report_)
        return;
    QString suggested = report_->Title().trimmed();
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString path =
        FileDialogs::AskSave(this, caption, suggested + writer.Suffix(), writer.NameFilter());
    if (path.isEmpty())
        return;
    std::optional<QString> failure;
    {
        WaitCursor wait;
        failure = writer.Write(*report_, path);
    }
    if (failure) {
        MessagePresenter::Show(*failure);
        return;
    }
    ShowSaved(path);
}

void ReportViewer::ShowSaved(const QString& path)
{
    lblStatus_->setText(QStringLiteral("已保存到 ") + QDir::toNativeSeparators(path));
}

void ReportViewer::MovePage(int step)
{
    const int page = CurrentPage() + step;
    if (page >= 1 && page <= PageCount())
        preview_->setCurrentPage(page);
    UpdatePageText();
}

void ReportViewer::UpdatePageText()
{
    lblPage_->setText(PageText());
}
