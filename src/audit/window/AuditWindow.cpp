#include "AuditWindow.h"

#include "AuditReport.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "InputRules.h"
#include "MessagePresenter.h"
#include "ReportViewer.h"
#include "WaitCursor.h"

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

AuditWindow::AuditWindow(QWidget* parent)
    : QWidget(parent), txtYear_(Named(new QLineEdit(this), "txtYear")),
      txtMonth_(Named(new QLineEdit(this), "txtMonth")),
      txtRegions_(Named(new QLineEdit(this), "txtRegions")),
      cmdAudit_(Named(new QPushButton(QStringLiteral("审核"), this), "cmdAudit")),
      lstRules_(Named(new QListWidget(this), "lstRules")), cmbRule_(Named(new QComboBox(this), "cmbRule")),
      cmbRegion_(Named(new QComboBox(this), "cmbRegion")), lblShown_(Named(new QLabel(this), "lblShown")),
      grdFindings_(Named(new QTableWidget(0, 6, this), "grdFindings")),
      cmdPrint_(Named(new QPushButton(QStringLiteral("打印预览"), this), "cmdPrint")),
      cmdThresholds_(Named(new QPushButton(QStringLiteral("审核标准..."), this), "cmdThresholds"))
{
    setObjectName(QStringLiteral("frmAudit"));
    setWindowTitle(QStringLiteral("数据审核"));
    const QDate last = QDate::currentDate().addMonths(-1);
    txtYear_->setText(QString::number(last.year()));
    txtMonth_->setText(QString::number(last.month()));
    txtYear_->setMaximumWidth(60);
    txtMonth_->setMaximumWidth(40);
    txtRegions_->setPlaceholderText(QStringLiteral("空：全部地区；多个以空格分隔"));
    grdFindings_->setHorizontalHeaderLabels({QStringLiteral("企业码"), QStringLiteral("企业名称"),
                                             QStringLiteral("地区码"), QStringLiteral("规则"),
                                             QStringLiteral("说明"), QStringLiteral("数值")});
    grdFindings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFindings_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFindings_->verticalHeader()->hide();
    grdFindings_->verticalHeader()->setDefaultSectionSize(grdFindings_->fontMetrics().height() + 6);
    grdFindings_->setWordWrap(false);
    grdFindings_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    grdFindings_->horizontalHeader()->setResizeContentsPrecision(200);
    grdFindings_->horizontalHeader()->setStretchLastSection(true);
    lstRules_->setFixedWidth(270);
    lstRules_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A long caption wraps onto a second line rather than losing its end.
    lstRules_->setWordWrap(true);
    lstRules_->setTextElideMode(Qt::ElideNone);

    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("年份"), this));
    period->addWidget(txtYear_);
    period->addWidget(new QLabel(QStringLiteral("月份"), this));
    period->addWidget(txtMonth_);
    period->addWidget(new QLabel(QStringLiteral("地区码"), this));
    period->addWidget(txtRegions_, 1);
    period->addWidget(cmdAudit_);
    period->addWidget(cmdThresholds_);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("规则"), this));
    filters->addWidget(cmbRule_, 1);
    filters->addWidget(new QLabel(QStringLiteral("地区"), this));
    filters->addWidget(cmbRegion_);
    filters->addWidget(lblShown_);
    filters->addWidget(cmdPrint_);
    auto* right = new QVBoxLayout;
    right->addLayout(filters);
    right->addWidget(grdFindings_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(lstRules_);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addLayout(body, 1);

    connect(cmdAudit_, &QPushButton::clicked, this, &AuditWindow::cmdAudit_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &AuditWindow::cmdPrint_Click);
    connect(cmdThresholds_, &QPushButton::clicked, this, &AuditWindow::cmdThresholds_Click);
    connect(lstRules_, &QListWidget::itemChanged, this, &AuditWindow::lstRules_Changed);
    connect(cmbRule_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_)
            return;
        view_.RuleFilter = cmbRule_->itemData(index).toInt();
        FillTable();
    });
    connect(cmbRegion_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_)
            return;
        view_.RegionFilter = cmbRegion_->itemData(index).toString();
        FillTable();
    });
    FillRules();
    FillFilters();
    FillTable();
    resize(1000, 520);
}

AuditWindow* AuditWindow::Show(QMdiArea* mdi)
{
    static QPointer<QMdiSubWindow> sub;
    if (!sub || sub->mdiArea() != mdi) {
        auto* window = new AuditWindow;
        sub = mdi->addSubWindow(window);
        sub->setWindowTitle(window->windowTitle());
        sub->resize(window->size().boundedTo(mdi->size()));
    }
    sub->show();
    mdi->setActiveSubWindow(sub);
    return static_cast<AuditWindow*>(sub->widget());
}

void AuditWindow::cmdAudit_Click()
{
    WaitCursor wait;
    try {
        DataAudit audit;
        const QStringList regions =
            txtRegions_->text().split(QRegularExpression(QStringLiteral("[\\s,，、]+")), Qt::SkipEmptyParts);
        if (const auto refused = audit.Take(txtYear_->text(), txtMonth_->text(), regions)) {
            MessagePresenter::Show(*refused);
            return;
        }
        view_.SetFindings(audit.Run());
        audit_ = audit;
    } catch (const DatabaseError& e) {
        MessagePresenter::Show(e.UserText());
        return;
    }
    view_.RegionFilter.clear();
    view_.RuleFilter = -1;
    FillRules();
    FillFilters();
    FillTable();
}

void AuditWindow::cmdPrint_Click()
{
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("frmAuditPrint"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("数据审核 - 打印预览"));
    auto* viewer = new ReportViewer(dialog);
    viewer->setObjectName(QStringLiteral("CRViewer1"));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewer);
    viewer->SetReportSource(
        AuditReport::Document(view_.Visible(), audit_.Year > 0 ? audit_.Describe() : QString()));
    viewer->ViewReport();
    dialog->resize(QSize(900, 640).boundedTo(window()->size()));
    dialog->show();
}

void AuditWindow::cmdThresholds_Click()
{
    try {
        DbConnection own;
        own.Open(Connection::TallixConnectionString());
        AuditThresholds limits = AuditThresholds::Load(own);
        QDialog dialog(this);
        dialog.setObjectName(QStringLiteral("frmAuditThresholds"));
        dialog.setWindowTitle(QStringLiteral("审核标准"));
        auto* form = new QFormLayout(&dialog);
        const auto box = [&](const char* name, double value, double most, int decimals) {
            auto* spin = Named(new QDoubleSpinBox(&dialog), name);
            spin->setRange(0, most);
            spin->setDecimals(decimals);
            spin->setValue(value);
            return spin;
        };
        auto* low = box("txtMinAveragePrice", limits.MinAveragePrice, 1e6, 2);
        auto* high = box("txtMaxAveragePrice", limits.MaxAveragePrice, 1e9, 2);
        auto* change = box("txtMonthlyChange", limits.MonthlyChange * 100, 1e6, 1);
        form->addRow(QStringLiteral("平均房价下限（元）"), low);
        form->addRow(QStringLiteral("平均房价上限（元）"), high);
        form->addRow(QStringLiteral("比上月变化超过（%）"), change);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (low->value() > high->value()) {
            MessagePresenter::Show(InputRules::RangeReversedMessage);
            return;
        }
        limits.MinAveragePrice = low->value();
        limits.MaxAveragePrice = high->value();
        limits.MonthlyChange = change->value() / 100;
        limits.Save(own);
    } catch (const DatabaseError& e) {
        MessagePresenter::Show(e.UserText());
    }
}

void AuditWindow::FillRules()
{
    filling_ = true;
    lstRules_->clear();
    const std::vector<int> counts = view_.Counts();
    const auto& rules = AuditRules::All();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1（%2）%3").arg(QLatin1String(rules[i].Id)).arg(counts[i]).arg(rules[i].Caption),
            lstRules_);
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, static_cast<int>(i));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(view_.RuleOn(static_cast<int>(i)) ? Qt::Checked : Qt::Unchecked);
        if (audit_.Year > 0 && !AuditRules::Applies(rules[i], audit_.Month > 0))
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    filling_ = false;
}

void AuditWindow::FillFilters()
{
    filling_ = true;
    cmbRule_->clear();
    cmbRule_->addItem(QStringLiteral("全部规则"), -1);
    const auto& rules = AuditRules::All();
    for (std::size_t i = 0; i < rules.size(); ++i)
        cmbRule_->addItem(QLatin1String(rules[i].Id) + QLatin1Char(' ') + rules[i].Caption,
                          static_cast<int>(i));
    cmbRegion_->clear();
    cmbRegion_->addItem(QStringLiteral("全部地区"), QString());
    for (const QString& region : view_.Regions())
        cmbRegion_->addItem(region.isEmpty() ? QStringLiteral("（无地区码）") : region, region);
    filling_ = false;
}

void AuditWindow::FillTable()
{
    const std::vector<const AuditFinding*> shown = view_.Visible();
    grdFindings_->setSortingEnabled(false);
    grdFindings_->setRowCount(static_cast<int>(shown.size()));
    int row = 0;
    for (const AuditFinding* f : shown) {
        const QString cells[] = {f->Code, f->Name, f->Region, f->RuleId(), f->Caption(), f->Value};
        for (int c = 0; c < 6; ++c)
            grdFindings_->setItem(row, c, new QTableWidgetItem(cells[c]));
        ++row;
    }
    grdFindings_->setSortingEnabled(true);
    grdFindings_->resizeColumnsToContents();
    // the caption repeats the rule's and the name may be long: the value keeps the room
    for (const auto& [column, widest] : {std::pair{1, 170}, std::pair{4, 190}})
        grdFindings_->setColumnWidth(column, std::min(grdFindings_->columnWidth(column), widest));
    lblShown_->setText(QStringLiteral("显示 %1 条，共 %2 条").arg(shown.size()).arg(view_.Findings().size()));
}

void AuditWindow::lstRules_Changed(QListWidgetItem* item)
{
    if (filling_)
        return;
    view_.SetRuleOn(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
    FillTable();
}
