#include "MotherForm.h"

#include "AnalysisWindows.h"
#include "AuditWindow.h"
#include "ImportWindows.h"
#include "MessagePresenter.h"
#include "StartUp.h"
#include "WindowPlaces.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

MotherForm*& TheInstance()
{
    static MotherForm* instance = nullptr;
    return instance;
}

const char* const GeometryKey = "MotherForm/geometry";

// Room for the sub-window's frame and title bar around its content.
const QSize FrameAllowance{16, 40};

// Stands in for an analysis window that this build does not have yet.
QWidget* Placeholder(const QString& name, const QString& caption)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(new QLabel(QStringLiteral("此功能尚未提供。"), w));
    w->resize(360, 120);
    return w;
}

QWidget* ContentOf(const QMdiSubWindow* sub)
{
    auto* scroll = qobject_cast<QScrollArea*>(sub->widget());
    return scroll ? scroll->widget() : sub->widget();
}

} // namespace

MotherForm::MotherForm(QString appFolder, QWidget* parent)
    : QMainWindow(parent), app_(std::move(appFolder)), mdi_(new QMdiArea(this)), lblSource_(new QLabel(this)),
      lblAppFolder_(new QLabel(this))
{
    setObjectName(QStringLiteral("MotherForm"));
    setWindowTitle(QStringLiteral("Orvane"));
    setCentralWidget(mdi_);
    resize(DefaultSize);

    QMenu* sys = menuBar()->addMenu(QStringLiteral("系统操作"));
    sys->setObjectName(QStringLiteral("SysOperate"));
    QAction* exit = sys->addAction(QStringLiteral("退出"));
    exit->setObjectName(QStringLiteral("munSysExit"));
    connect(exit, &QAction::triggered, this, &MotherForm::munSysExit_Click);

    QMenu* config = menuBar()->addMenu(QStringLiteral("分析报表统计条件设置"));
    config->setObjectName(QStringLiteral("ConditionConfig"));
    const struct
    {
        const char* name;
        QString caption;
        Analysis kind;
    } entries[] = {
        {"munRestaurant", QStringLiteral("饭店分析报表条件"), Analysis::Restaurant},
        {"munTourUnit", QStringLiteral("旅游单位综合年报表"), Analysis::TourUnit},
        {"munTourTallix", QStringLiteral("旅游企业台帐"), Analysis::TuTallix},
    };
    for (const auto& entry : entries) {
        QAction* action = config->addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        const Analysis kind = entry.kind;
        connect(action, &QAction::triggered, this, [this, kind] { ShowAnalysis(kind); });
    }

    QMenu* data = menuBar()->addMenu(QStringLiteral("数据"));
    data->setObjectName(QStringLiteral("DataMenu"));
    munImport_ = data->addAction(QStringLiteral("导入采集数据..."));
    munImport_->setObjectName(QStringLiteral("munImport"));
    connect(munImport_, &QAction::triggered, this, [this] {
        ImportWindows::ImportFolder(mdi_, app_);
        RefreshSourceStatus(); // the source may be a new one now
        OfferSource();
    });
    QAction* summary = data->addAction(QStringLiteral("数据概况"));
    summary->setObjectName(QStringLiteral("munDataSummary"));
    connect(summary, &QAction::triggered, this, [this] { ImportWindows::ShowSummary(mdi_, app_); });
    QAction* audit = data->addAction(QStringLiteral("数据审核"));
    audit->setObjectName(QStringLiteral("munAudit"));
    connect(audit, &QAction::triggered, this, [this] { AuditWindow::Show(mdi_); });
    CreateWindowMenu();
    CreateHelpMenu();

    lblSource_->setObjectName(QStringLiteral("lblSource"));
    statusBar()->addPermanentWidget(lblSource_);
    lblAppFolder_->setObjectName(QStringLiteral("lblAppFolder"));
    lblAppFolder_->setContentsMargins(16, 0, 0, 0);
    lblAppFolder_->setText(QStringLiteral("应用程序文件夹：") + QDir::toNativeSeparators(app_));
    statusBar()->addPermanentWidget(lblAppFolder_);

    factories_[0] = [] { return Placeholder(QStringLiteral("frmRestaurant"), QStringLiteral("饭店分析报表条件设置")); };
    factories_[1] = [] { return Placeholder(QStringLiteral("TourUnit"), QStringLiteral("旅游单位综合年报表")); };
    factories_[2] = [] { return Placeholder(QStringLiteral("TuTallix"), QStringLiteral("旅游企业台帐")); };
    TheInstance() = this;
    AnalysisWindows::SetHideAll([this] { HideAnalysisWindows(); });
}

MotherForm::~MotherForm()
{
    if (TheInstance() == this) {
        TheInstance() = nullptr;
        AnalysisWindows::SetHideAll({});
    }
}

MotherForm* MotherForm::Instance()
{
    return TheInstance();
}

void MotherForm::SetFactory(Analysis kind, Factory factory)
{
    factories_[static_cast<int>(kind)] = std::move(factory);
}

void MotherForm::ShowInPlace()
{
    const QByteArray saved = QSettings().value(QLatin1String(GeometryKey)).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved)) {
        show();
        return;
    }
    const QRect available = screen()->availableGeometry();
    // The title bar and frame need room too.
    if (available.width() < DefaultSize.width() + FrameAllowance.width() ||
        available.height() < DefaultSize.height() + FrameAllowance.height()) {
        // Within the screen also where nothing honours the request to maximise.
        setGeometry(QRect(available.topLeft(), available.size() - FrameAllowance));
        showMaximized();
        return;
    }
    resize(DefaultSize);
    move(available.center() - QPoint(DefaultSize.width() / 2, DefaultSize.height() / 2));
    show();
}

void MotherForm::MDIForm_Load()
{
    StartUp startUp(app_);
    if (const auto notice = startUp.Run()) {
        MessagePresenter::Show(notice->Text, notice->Title, MessagePresenter::Icon::Critical, this);
        // No analysis writes into an own database that is not whole; the window stays, as it does.
        if (auto* analyses = findChild<QMenu*>(QStringLiteral("ConditionConfig")); analyses && notice->Fatal)
            analyses->menuAction()->setEnabled(false);
    }
    RefreshSourceStatus();
    OfferSource();
}

QWidget* MotherForm::ShowAnalysis(Analysis kind)
{
    QPointer<QMdiSubWindow>& sub = windows_[static_cast<int>(kind)];
    if (!sub) {
        QWidget* window = factories_[static_cast<int>(kind)]();
        const QSize wanted = window->size();
        // The window scrolls its own body and keeps its buttons in sight.
        sub = mdi_->addSubWindow(window);
        sub->setWindowTitle(window->windowTitle());
        window->resize(wanted);
        PlaceSubWindow(sub, window);
        sub->installEventFilter(this);
    } else if (!sub->isVisible() && IsArranged(sub)) {
        // Back at the place and size the user gave it, not the one 平铺 gave it.
        SetArranged(sub, false);
        PlaceSubWindow(sub, ContentOf(sub));
    }
    ContentOf(sub)->show();
    sub->show();
    mdi_->setActiveSubWindow(sub);
    return ContentOf(sub);
}

void MotherForm::PlaceSubWindow(QMdiSubWindow* sub, const QWidget* window)
{
    const QRect area = mdi_->viewport()->rect();
    QRect wanted;
    if (const auto saved = WindowPlaces::Saved(window->objectName())) {
        wanted = *saved;
    } else {
        int open = 0;
        for (const QMdiSubWindow* other : mdi_->subWindowList())
            if (other != sub && other->isVisible())
                ++open;
        wanted = QRect(QPoint(open * CascadeStep, open * CascadeStep), window->size() + FrameAllowance);
    }
    sub->setGeometry(WindowPlaces::Inside(wanted, area));
}

void MotherForm::SaveSubWindowPlace(const QMdiSubWindow* sub) const
{
    if (IsArranged(sub))
        return;
    if (const QWidget* window = ContentOf(sub))
        WindowPlaces::Save(window->objectName(), sub->geometry());
}

QWidget* MotherForm::AnalysisWindow(Analysis kind) const
{
    const QPointer<QMdiSubWindow>& sub = windows_[static_cast<int>(kind)];
    return sub ? ContentOf(sub) : nullptr;
}

void MotherForm::HideAnalysisWindows()
{
    for (const auto& sub : windows_)
        if (sub)
            sub->hide();
}

bool MotherForm::eventFilter(QObject* watched, QEvent* event)
{
    // A sub-window put away by its close button or its title bar keeps its place.
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && isVisible())
            SaveSubWindowPlace(sub);
    // The title bar's close puts the window away like its own close button: what the user
    // composed in it stays.
    if (event->type() == QEvent::Close)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched)) {
            event->ignore();
            // Like 关闭, closing does not ask for the value of the box that has the focus, now
            // or when the window comes back.
            if (QWidget* focus = QApplication::focusWidget(); focus && sub->isAncestorOf(focus))
                focus->clearFocus();
            sub->hide();
            return true;
        }
    return QMainWindow::eventFilter(watched, event);
}

void MotherForm::closeEvent(QCloseEvent* event)
{
    QSettings().setValue(QLatin1String(GeometryKey), saveGeometry());
    for (const auto& sub : windows_)
        if (sub && sub->isVisible())
            SaveSubWindowPlace(sub);
    QMainWindow::closeEvent(event);
}

void MotherForm::munSysExit_Click()
{
    close();
}
