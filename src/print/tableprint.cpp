#include "tableprint.h"

#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "ReportViewer.h"
#include "WaitCursor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

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
    resize(PreferredSize);
}

tableprint::~tableprint() = default;

namespace {

QPointer<tableprint>& SharedWindow()
{
    static QPointer<tableprint> shared;
    return shared;
}

} // namespace

tableprint* tableprint::Shared()
{
    QPointer<tableprint>& shared = SharedWindow();
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
    if (!isVisible())
        PlaceOnScreen();
    show();
    raise();
    activateWindow();
    // Only a shown preview knows its pages; it opens at the top of the first.
    CRViewer1->ToFirstPage();
}

void tableprint::RunSaved()
{
    tableprint* print = SharedWindow().data();
    if (!print || !print->isVisible() || !print->loaded_)
        return;
    // A ledger reloaded after its run takes the headings of the run, not those of the last print.
    if (const ReportSource::Entry* entry = ReportSource::Find(print->TableCode); entry && entry->IsLedger())
        for (QString* item : {&print->item1, &print->item2, &print->item3, &print->item4, &print->item5,
                              &print->item6, &print->item7, &print->item8})
            item->clear();
    print->Form_Load();
    print->CRViewer1->ToFirstPage();
}

void tableprint::PlaceOnScreen()
{
    const QScreen* place = QGuiApplication::screenAt(QCursor::pos());
    if (!place)
        place = screen();
    if (!place)
        return;
    // The window manager's frame needs room around the window too.
    const QRect area = place->availableGeometry().adjusted(0, 0, -FrameRoom.width(), -FrameRoom.height());
    const QSize size = PreferredSize.boundedTo(area.size());
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
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
