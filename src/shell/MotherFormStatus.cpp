// The status bar of the main window: which source database the analyses read and the newest
// period it holds; the offer of one while there is none.
#include "MotherForm.h"

#include "AppFolderLocator.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "SourceOffer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The newest return date over the return tables, as "2025年12月"; empty without returns.
QString NewestPeriod()
{
    Connection::OpenStatConnection();
    Connection::StatCmd->CommandText = QStringLiteral(
        "SELECT MAX(d) AS newest FROM (SELECT MAX(TableDate) AS d FROM Base04 UNION ALL "
        "SELECT MAX(TableDate) FROM Base05 UNION ALL SELECT MAX(TableDate) FROM Base06 UNION ALL "
        "SELECT MAX(TableDate) FROM Base08 UNION ALL SELECT MAX(TableDate) FROM Base09)");
    Recordset& rs = *Connection::StatRs;
    rs.Open(*Connection::StatCmd);
    rs.MoveFirst();
    const QString newest = rs.IsEOF() || rs.Value(QStringLiteral("newest")).isNull()
                               ? QString()
                               : rs.Value(QStringLiteral("newest")).toString();
    Connection::CloseStatConnection();
    if (newest.size() < 7)
        return QString();
    return QStringLiteral("%1年%2月").arg(newest.left(4)).arg(newest.mid(5, 2).toInt());
}

} // namespace

void MotherForm::RefreshSourceStatus()
{
    const QString path = QDir::toNativeSeparators(app_ + QLatin1String(Connection::SourceDatabasePath));
    QString text = QStringLiteral("源数据库：") + path;
    if (!QFileInfo::exists(app_ + QLatin1String(Connection::SourceDatabasePath))) {
        text += QStringLiteral("（不存在）");
    } else {
        try {
            const QString period = NewestPeriod();
            text += QStringLiteral("    最新数据期：") + (period.isEmpty() ? QStringLiteral("无数据") : period);
        } catch (const DatabaseError&) {
            Connection::CloseAll();
            text += QStringLiteral("（无法读取）");
        }
    }
    lblSource_->setText(text);
    lblSource_->setToolTip(path);
}

QString MotherForm::SourceStatus() const
{
    return lblSource_->text();
}

void MotherForm::OfferSource()
{
    if (AppFolderLocator::HasSourceDatabase(app_)) {
        if (offer_)
            offer_->close();
        return;
    }
    if (offer_)
        return;
    const AppFolderLocator locator(QApplication::applicationDirPath());
    auto* offer = new SourceOffer(!locator.SampleDatabase().isEmpty());
    connect(offer, &SourceOffer::ImportWanted, munImport_, &QAction::trigger);
    connect(offer, &SourceOffer::SampleWanted, this, &MotherForm::OpenSample);
    offer_ = mdi_->addSubWindow(offer);
    offer_->setAttribute(Qt::WA_DeleteOnClose);
    offer_->setWindowTitle(offer->windowTitle());
    // Wide enough for the sentence on one line, in the middle of the empty desk.
    const QRect area = mdi_->viewport()->rect();
    const QSize size = (offer_->sizeHint() + QSize(160, 20)).boundedTo(area.size());
    offer_->setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height()), size));
    offer_->show();
}

void MotherForm::OpenSample()
{
    const QString problem = AppFolderLocator(QApplication::applicationDirPath()).OpenSample(app_);
    if (!problem.isEmpty())
        MessagePresenter::Show(problem, MessagePresenter::ApplicationTitle(), MessagePresenter::Icon::Warning, this);
    RefreshSourceStatus();
    OfferSource();
}
