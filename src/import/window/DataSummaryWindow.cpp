#include "DataSummaryWindow.h"

#include "DataSummary.h"
#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

DataSummaryWindow::DataSummaryWindow(QWidget* parent)
    : QWidget(parent), txtSummary_(new QPlainTextEdit(this)), cmdCopy_(new QPushButton(QStringLiteral("复制"), this)),
      cmdAudit_(new QPushButton(QStringLiteral("数据审核..."), this))
{
    setObjectName(QStringLiteral("frmDataSummary"));
    setWindowTitle(QStringLiteral("数据概况"));
    txtSummary_->setObjectName(QStringLiteral("txtSummary"));
    txtSummary_->setReadOnly(true);
    txtSummary_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSummary_->setTabStopDistance(QFontMetricsF(txtSummary_->font()).horizontalAdvance(QLatin1Char('0')) * 12);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopy"));
    connect(cmdCopy_, &QPushButton::clicked, this, &DataSummaryWindow::cmdCopy_Click);
    cmdAudit_->setObjectName(QStringLiteral("cmdAudit"));
    connect(cmdAudit_, &QPushButton::clicked, this, &DataSummaryWindow::AuditRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAudit_);
    buttons->addWidget(cmdCopy_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtSummary_);
    layout->addLayout(buttons);
    resize(900, 520);
}

void DataSummaryWindow::Refresh(const QString& databasePath)
{
    WaitCursor wait;
    try {
        txtSummary_->setPlainText(DataSummary::Of(databasePath).Text());
    } catch (const DatabaseError& e) {
        txtSummary_->clear();
        MessagePresenter::Show(e.UserText());
    }
}

QString DataSummaryWindow::Text() const
{
    return txtSummary_->toPlainText();
}

void DataSummaryWindow::cmdCopy_Click()
{
    QApplication::clipboard()->setText(Text());
}
