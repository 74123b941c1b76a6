#include "tableprint.h"

#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "ReportViewer.h"
#include "WaitCursor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

namespace {

bool SameRequest(const ReportSource::Request& a, const ReportSource::Request& b)
{
    return a.TableCode == b.TableCode && a.Title == b.Title && a.Items == b.Items;
}

} // namespace

tableprint::tableprint(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("tableprint"));
    setWindowTitle(QStringLiteral("Form1"));
    // An open preview must not keep the program alive once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    CRViewer1 = new ReportViewer(this);
    CRViewer1->setObjectName(QStringLiteral("CRViewer1"));
    resize(960, 700);
}

tableprint::~tableprint() = default;

tableprint* tableprint::Shared()
{
    static QPointer<tableprint> shared;
    if (!shared) {
        shared = new tableprint;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, shared.data(), &QObject::deleteLater);
    }
    return shared.data();
}

ReportSource::Request tableprint::CurrentRequest() const
{
    return {TableCode, title, {item1, item2, item3, item4, item5, item6, item7, item8}};
}

void tableprint::Show()
{
    if (!isVisible() || !loaded_ || !SameRequest(*loaded_, CurrentRequest()))
        Form_Load();
    show();
    raise();
    activateWindow();
}

void tableprint::Form_Load()
{
    QString failure;
    {
        WaitCursor wait;
        Release();
        const ReportSource::Request request = CurrentRequest();
        try {
            report_ = ReportSource::Load(request);
            loaded_ = request;
        } catch (const DatabaseError& e) {
            failure = e.UserText();
        }
        CRViewer1->SetReportSource(report_);
        CRViewer1->ViewReport();
    }
    if (!failure.isEmpty())
        MessagePresenter::Show(failure);
}

void tableprint::Form_Resize()
{
    // top, left, height, width
    CRViewer1->setGeometry(0, 0, width(), height());
}

void tableprint::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void tableprint::closeEvent(QCloseEvent* event)
{
    Release();
    CRViewer1->SetReportSource(nullptr);
    CRViewer1->ViewReport();
    QWidget::closeEvent(event);
}

void tableprint::Release()
{
    report_.reset();
    loaded_.reset();
}
