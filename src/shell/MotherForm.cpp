#include "MotherForm.h"

#include "AnalysisWindows.h"
#include "ImportWindows.h"
#include "MessagePresenter.h"
#include "StartUp.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

MotherForm*& TheInstance()
{
    static MotherForm* instance = nullptr;
    return instance;
}

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

} // namespace

MotherForm::MotherForm(QString appFolder, QWidget* parent)
    : QMainWindow(parent), app_(std::move(appFolder)), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MotherForm"));
    setWindowTitle(QStringLiteral("Orvane"));
    setCentralWidget(mdi_);
    resize(1280, 860);

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
    QAction* import = data->addAction(QStringLiteral("导入采集数据..."));
    import->setObjectName(QStringLiteral("munImport"));
    connect(import, &QAction::triggered, this, [this] { ImportWindows::ImportFolder(mdi_, app_); });
    QAction* summary = data->addAction(QStringLiteral("数据概况"));
    summary->setObjectName(QStringLiteral("munDataSummary"));
    connect(summary, &QAction::triggered, this, [this] { ImportWindows::ShowSummary(mdi_, app_); });

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

void MotherForm::MDIForm_Load()
{
    StartUp startUp(app_);
    if (const auto notice = startUp.Run())
        MessagePresenter::Show(notice->Text, notice->Title, MessagePresenter::Icon::Critical, this);
}

QWidget* MotherForm::ShowAnalysis(Analysis kind)
{
    QPointer<QMdiSubWindow>& sub = windows_[static_cast<int>(kind)];
    if (!sub) {
        QWidget* window = factories_[static_cast<int>(kind)]();
        sub = mdi_->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose); // the title bar's close unloads the window
        sub->setWindowTitle(window->windowTitle());
        sub->resize(window->size() + QSize(16, 40));
    }
    sub->widget()->show();
    sub->show();
    mdi_->setActiveSubWindow(sub);
    return sub->widget();
}

QWidget* MotherForm::AnalysisWindow(Analysis kind) const
{
    const QPointer<QMdiSubWindow>& sub = windows_[static_cast<int>(kind)];
    return sub ? sub->widget() : nullptr;
}

void MotherForm::HideAnalysisWindows()
{
    for (const auto& sub : windows_)
        if (sub)
            sub->hide();
}

void MotherForm::munSysExit_Click()
{
    close();
}
