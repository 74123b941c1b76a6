#include "DataSummaryWindow.h"

#include "DataSummary.h"
#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

DataSummaryWindow::DataSummaryWindow(QWidget* parent)
    : QWidget(parent), lblDatabase_(new QLabel(this)), tblSummary_(new QTableWidget(this)),
      txtSummary_(new QPlainTextEdit(this)), cmdCopy_(new QPushButton(QStringLiteral("复制"), this)),
      cmdAudit_(new QPushButton(QStringLiteral("数据审核..."), this))
{
    setObjectName(QStringLiteral("frmDataSummary"));
    setWindowTitle(QStringLiteral("数据概况"));
    lblDatabase_->setObjectName(QStringLiteral("lblDatabase"));
    lblDatabase_->setWordWrap(true);
    tblSummary_->setObjectName(QStringLiteral("tblSummary"));
    tblSummary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSummary_->verticalHeader()->hide();
    tblSummary_->horizontalHeader()->setStretchLastSection(true);
    txtSummary_->setObjectName(QStringLiteral("txtSummary"));
    txtSummary_->setReadOnly(true);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopy"));
    connect(cmdCopy_, &QPushButton::clicked, this, &DataSummaryWindow::cmdCopy_Click);
    cmdAudit_->setObjectName(QStringLiteral("cmdAudit"));
    connect(cmdAudit_, &QPushButton::clicked, this, &DataSummaryWindow::AuditRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAudit_);
    buttons->addWidget(cmdCopy_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDatabase_);
    layout->addWidget(tblSummary_, 3);
    layout->addWidget(txtSummary_, 1);
    layout->addLayout(buttons);
    resize(900, 520);
}

// The summary's text: the lines before the table, the table (tab-separated, up to the first
// empty line), and what follows it.
void DataSummaryWindow::Show(const QString& text)
{
    text_ = text;
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype head = 0;
    while (head < lines.size() && !lines[head].contains(QLatin1Char('\t')))
        ++head;
    qsizetype end = head;
    while (end < lines.size() && !lines[end].isEmpty())
        ++end;
    lblDatabase_->setText(lines.mid(0, head).join(QLatin1Char('\n')).trimmed());
    tblSummary_->clear();
    tblSummary_->setRowCount(0);
    if (head < end) {
        const QStringList headings = lines[head].split(QLatin1Char('\t'));
        tblSummary_->setColumnCount(static_cast<int>(headings.size()));
        tblSummary_->setHorizontalHeaderLabels(headings);
        tblSummary_->setRowCount(static_cast<int>(end - head - 1));
        for (qsizetype r = head + 1; r < end; ++r) {
            const QStringList cells = lines[r].split(QLatin1Char('\t'));
            for (qsizetype c = 0; c < cells.size() && c < headings.size(); ++c)
                tblSummary_->setItem(static_cast<int>(r - head - 1), static_cast<int>(c), new QTableWidgetItem(cells[c]));
        }
        tblSummary_->resizeColumnsToContents();
    }
    txtSummary_->setPlainText(lines.mid(end).join(QLatin1Char('\n')).trimmed());
}

void DataSummaryWindow::Refresh(const QString& databasePath)
{
    WaitCursor wait;
    try {
        Show(DataSummary::Of(databasePath).Text());
    } catch (const DatabaseError& e) {
        Show(QString());
        MessagePresenter::Show(e.UserText());
    }
}

QString DataSummaryWindow::Text() const
{
    return text_;
}

void DataSummaryWindow::cmdCopy_Click()
{
    QApplication::clipboard()->setText(Text());
}
