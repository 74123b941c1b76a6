#include "ReportChartPanel.h"

#include "MessagePresenter.h"
#include "OutputFile.h"
#include "ReportChart.h"
#include "ReportDocument.h"
#include "ReportSource.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

ReportChartPanel::ReportChartPanel(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("栏目："), this));
    cmbChartColumn_ = new QComboBox(this);
    cmbChartColumn_->setObjectName(QStringLiteral("cmbChartColumn"));
    cmbChartColumn_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(cmbChartColumn_);
    cmdSaveChart_ = new QToolButton(this);
    cmdSaveChart_->setObjectName(QStringLiteral("cmdSaveChart"));
    cmdSaveChart_->setText(QStringLiteral("保存图表"));
    bar->addWidget(cmdSaveChart_);
    bar->addStretch();
    column->addLayout(bar);

    stack_ = new QStackedLayout;
    chartView_ = new QChartView(this);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    lblNoChart_ = new QLabel(this);
    lblNoChart_->setObjectName(QStringLiteral("lblNoChart"));
    lblNoChart_->setAlignment(Qt::AlignCenter);
    stack_->addWidget(lblNoChart_);
    stack_->addWidget(chartView_);
    column->addLayout(stack_, 1);

    connect(cmbChartColumn_, &QComboBox::currentIndexChanged, this, &ReportChartPanel::ShowColumn);
    connect(cmdSaveChart_, &QToolButton::clicked, this, &ReportChartPanel::SaveAs);
    SetReport(nullptr);
}

ReportChartPanel::~ReportChartPanel() = default;

void ReportChartPanel::SetReport(std::shared_ptr<const ReportDocument> report)
{
    report_ = std::move(report);
    const QSignalBlocker block(cmbChartColumn_);
    cmbChartColumn_->clear();
    if (report_)
        for (int c : ReportChart::NumericColumns(*report_))
            cmbChartColumn_->addItem(ReportChart::Heading(*report_, c), c);
    ShowColumn();
}

int ReportChartPanel::Column() const
{
    return cmbChartColumn_->currentIndex() >= 0 ? cmbChartColumn_->currentData().toInt() : -1;
}

void ReportChartPanel::ShowColumn()
{
    const int column = Column();
    const bool shown = report_ && column >= 0;
    cmbChartColumn_->setEnabled(shown);
    cmdSaveChart_->setEnabled(shown);
    lblNoChart_->setText(report_ && report_->IsEmpty() ? ReportDocument::NoDataMessage
                         : report_ && !shown         ? QStringLiteral("该报表没有可作图的数字栏目")
                                                     : QString());
    stack_->setCurrentWidget(shown ? static_cast<QWidget*>(chartView_) : lblNoChart_);
    // The view owns the chart it shows and deletes the one before.
    chartView_->setChart(shown ? ReportChart::Create(*report_, column).release() : new QChart);
}

bool ReportChartPanel::SavePng(const QString& path) const
{
    return report_ && Column() >= 0 && ReportChart::SavePng(*report_, Column(), path);
}

bool ReportChartPanel::SavePdf(const QString& path) const
{
    if (!report_ || Column() < 0)
        return false;
    const bool ledger = ReportSource::Find(report_->Code()) && ReportSource::Find(report_->Code())->IsLedger();
    return ReportChart::SavePdf(*report_, ledger ? ReportChart::NumericColumns(*report_) : QVector<int>{Column()},
                                path);
}

void ReportChartPanel::SaveAs()
{
    if (!report_ || Column() < 0)
        return;
    QString suggested = report_->Title().trimmed() + QLatin1Char('-') + cmbChartColumn_->currentText();
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'));
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("保存图表"), suggested + QStringLiteral(".png"),
        QStringLiteral("PNG 图片 (*.png);;PDF 文件 (*.pdf)"), &filter);
    if (path.isEmpty())
        return;
    const bool pdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ||
                     (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) && filter.contains(QStringLiteral("pdf")));
    if (!(pdf ? SavePdf(path) : SavePng(path)))
        MessagePresenter::Show(OutputFile::FailureMessage(path));
}
