#include "ReportChartPanel.h"

#include "FileDialogs.h"
#include "MessagePresenter.h"
#include "ReportChart.h"
#include "ReportDocument.h"
#include "ReportSource.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
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
    cmbChartSection_ = new QComboBox(this);
    cmbChartSection_->setObjectName(QStringLiteral("cmbChartSection"));
    cmbChartSection_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(cmbChartSection_);
    cmbChartTop_ = new QComboBox(this);
    cmbChartTop_->setObjectName(QStringLiteral("cmbChartTop"));
    for (const int top : {20, 40})
        cmbChartTop_->addItem(QStringLiteral("前 %1 个").arg(top), top);
    cmbChartTop_->addItem(QStringLiteral("全部"), 0);
    bar->addWidget(cmbChartTop_);
    lblLeftOut_ = new QLabel(this);
    lblLeftOut_->setObjectName(QStringLiteral("lblChartLeftOut"));
    bar->addWidget(lblLeftOut_);
    cmdSaveChart_ = new QToolButton(this);
    cmdSaveChart_->setObjectName(QStringLiteral("cmdSaveChart"));
    cmdSaveChart_->setText(QStringLiteral("保存图表"));
    bar->addWidget(cmdSaveChart_);
    bar->addStretch();
    column->addLayout(bar);

    stack_ = new QStackedLayout;
    chartView_ = new QChartView;
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    // A chart of many bars is taller than the tab: it scrolls, its labels whole.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("chartScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(chartView_);
    lblNoChart_ = new QLabel(this);
    lblNoChart_->setObjectName(QStringLiteral("lblNoChart"));
    lblNoChart_->setAlignment(Qt::AlignCenter);
    stack_->addWidget(lblNoChart_);
    stack_->addWidget(scroll_);
    column->addLayout(stack_, 1);

    for (QComboBox* combo : {cmbChartColumn_, cmbChartSection_, cmbChartTop_})
        connect(combo, &QComboBox::currentIndexChanged, this, &ReportChartPanel::ShowColumn);
    connect(cmdSaveChart_, &QToolButton::clicked, this, &ReportChartPanel::SaveAs);
    SetReport(nullptr);
}

ReportChartPanel::~ReportChartPanel() = default;

void ReportChartPanel::SetReport(std::shared_ptr<const ReportDocument> report)
{
    report_ = std::move(report);
    const QSignalBlocker block(cmbChartColumn_);
    const QSignalBlocker blockSections(cmbChartSection_);
    const QSignalBlocker blockTop(cmbChartTop_);
    cmbChartColumn_->clear();
    cmbChartSection_->clear();
    if (report_) {
        for (int c : ReportChart::NumericColumns(*report_))
            cmbChartColumn_->addItem(ReportChart::Heading(*report_, c), c);
        const QVector<ReportChart::Section> sections = ReportChart::Sections(*report_);
        for (int k = 0; k < sections.size(); ++k)
            cmbChartSection_->addItem(sections[k].Name, k);
    }
    cmbChartSection_->setVisible(cmbChartSection_->count() > 0);
    cmbChartTop_->setCurrentIndex(cmbChartTop_->count() - 1);
    ShowColumn();
}

ReportChart::Choice ReportChartPanel::Choice() const
{
    return {Column(), cmbChartSection_->currentIndex() >= 0 ? cmbChartSection_->currentData().toInt() : -1,
            cmbChartTop_->currentData().toInt()};
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
    stack_->setCurrentWidget(shown ? static_cast<QWidget*>(scroll_) : lblNoChart_);
    const QVector<ReportChart::Bar> all = shown ? ReportChart::Bars(*report_, column, Choice().Section)
                                                : QVector<ReportChart::Bar>();
    const QVector<ReportChart::Bar> bars = shown ? ReportChart::Bars(*report_, Choice()) : all;
    cmbChartTop_->setVisible(all.size() > ReportChart::ManyBars);
    const auto left = all.size() - bars.size();
    lblLeftOut_->setText(left > 0 ? QStringLiteral("另有 %1 个未列出").arg(left) : QString());
    // The view owns the chart it shows and deletes the one before.
    const QString section = cmbChartSection_->count() > 0 ? cmbChartSection_->currentText() : QString();
    chartView_->setChart(shown ? ReportChart::Create(*report_, column, bars, section).release() : new QChart);
    chartView_->setMinimumHeight(ReportChart::FrameHeight + static_cast<int>(bars.size()) * ReportChart::BarPitch);
}

bool ReportChartPanel::SavePng(const QString& path) const
{
    return report_ && Column() >= 0 && !Writer(ReportChartWriter::Format::Png).Write(*report_, path);
}

bool ReportChartPanel::SavePdf(const QString& path) const
{
    return report_ && Column() >= 0 && !Writer(ReportChartWriter::Format::Pdf).Write(*report_, path);
}

ReportChartWriter ReportChartPanel::Writer(ReportChartWriter::Format format) const
{
    QVector<ReportChart::Choice> choices{Choice()};
    // The ledger's PDF holds one chart per column.
    const ReportSource::Entry* entry = report_ ? ReportSource::Find(report_->Code()) : nullptr;
    if (format == ReportChartWriter::Format::Pdf && entry && entry->IsLedger()) {
        choices.clear();
        for (int column : ReportChart::NumericColumns(*report_))
            choices.append({column, -1, Choice().Top});
    }
    return ReportChartWriter(format, choices);
}

void ReportChartPanel::SaveAs()
{
    if (!report_ || Column() < 0)
        return;
    const ReportChartWriter png = Writer(ReportChartWriter::Format::Png);
    const ReportChartWriter pdf = Writer(ReportChartWriter::Format::Pdf);
    QString suggested = report_->Title().trimmed() + QLatin1Char('-') + cmbChartColumn_->currentText();
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'));
    QString filter;
    const QString path =
        FileDialogs::AskSave(this, QStringLiteral("保存图表"), suggested + png.Suffix(),
                             png.NameFilter() + QStringLiteral(";;") + pdf.NameFilter(), &filter);
    if (path.isEmpty())
        return;
    const bool isPdf =
        path.endsWith(pdf.Suffix(), Qt::CaseInsensitive) ||
        (!path.endsWith(png.Suffix(), Qt::CaseInsensitive) && filter.contains(QStringLiteral("pdf")));
    if (const auto failure = (isPdf ? pdf : png).Write(*report_, path)) {
        MessagePresenter::Show(*failure);
        return;
    }
    emit Saved(path);
}
