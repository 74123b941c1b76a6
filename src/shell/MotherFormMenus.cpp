// The menus 窗口 and 帮助 of the main window.
#include "MotherForm.h"

#include "MessagePresenter.h"
#include "WindowPlaces.h"

#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

void MotherForm::CreateWindowMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("窗口"));
    menu->setObjectName(QStringLiteral("munWindow"));
    QAction* tile = menu->addAction(QStringLiteral("平铺"));
    tile->setObjectName(QStringLiteral("munTile"));
    connect(tile, &QAction::triggered, this, &MotherForm::TileWindows);
    QAction* cascade = menu->addAction(QStringLiteral("层叠"));
    cascade->setObjectName(QStringLiteral("munCascade"));
    connect(cascade, &QAction::triggered, this, &MotherForm::CascadeWindows);
    menu->addSeparator()->setObjectName(QStringLiteral("munOpenWindows"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListOpenWindows(menu); });
}

namespace {
// Set on a sub-window that 平铺 or 层叠 has placed: it comes back where the user last put it.
const char* const Arranged = "orvaneArranged";
} // namespace

void MotherForm::TileWindows()
{
    MarkArranged();
    mdi_->tileSubWindows();
}

void MotherForm::CascadeWindows()
{
    MarkArranged();
    // Each window keeps its size; only its place steps down and right.
    const QRect area = mdi_->viewport()->rect();
    int step = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isVisible())
            continue;
        if (sub->isMaximized() || sub->isMinimized())
            sub->showNormal();
        sub->setGeometry(WindowPlaces::Inside(QRect(QPoint(step, step), sub->size()), area));
        sub->raise();
        step += CascadeStep;
    }
}

void MotherForm::MarkArranged()
{
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->isVisible()) {
            if (!sub->property(Arranged).toBool())
                SaveSubWindowPlace(sub);
            SetArranged(sub, true);
        }
}

void MotherForm::SetArranged(QMdiSubWindow* sub, bool arranged)
{
    sub->setProperty(Arranged, arranged);
}

bool MotherForm::IsArranged(const QMdiSubWindow* sub)
{
    return sub->property(Arranged).toBool();
}

// The open windows below the separator, the active one ticked.
void MotherForm::ListOpenWindows(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    bool below = false;
    for (QAction* action : actions) {
        if (below) {
            menu->removeAction(action);
            action->deleteLater();
        }
        below = below || action->objectName() == QLatin1String("munOpenWindows");
    }
    int number = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isVisible())
            continue;
        ++number;
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                mdi_->setActiveSubWindow(sub);
        });
    }
}

void MotherForm::CreateHelpMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("帮助"));
    menu->setObjectName(QStringLiteral("munHelp"));
    QAction* usage = menu->addAction(QStringLiteral("使用说明"));
    usage->setObjectName(QStringLiteral("munUsage"));
    usage->setShortcut(QKeySequence::HelpContents);
    connect(usage, &QAction::triggered, this, &MotherForm::munUsage_Click);
    QAction* about = menu->addAction(QStringLiteral("关于 Orvane"));
    about->setObjectName(QStringLiteral("munAbout"));
    connect(about, &QAction::triggered, this, &MotherForm::munAbout_Click);
}

void MotherForm::munUsage_Click()
{
    if (!usage_) {
        usage_ = new QDialog(this);
        usage_->setObjectName(QStringLiteral("frmUsage"));
        usage_->setWindowTitle(QStringLiteral("使用说明"));
        auto* text = new QTextBrowser(usage_);
        text->setObjectName(QStringLiteral("txtUsage"));
        QFile page(QStringLiteral(":/orvane/usage.html"));
        if (page.open(QIODevice::ReadOnly))
            text->setHtml(QString::fromUtf8(page.readAll()));
        auto* layout = new QVBoxLayout(usage_);
        layout->addWidget(text);
        usage_->resize(QSize(720, 640).boundedTo(size()));
    }
    usage_->show();
    usage_->raise();
    usage_->activateWindow();
}

void MotherForm::munAbout_Click()
{
    MessagePresenter::Show(QStringLiteral("Orvane %1\n旅游统计分析报表\n\n读取统计采集系统的数据库，按地区或企业汇总，"
                                          "生成饭店分析报表、旅游单位综合年报表和旅游企业台帐。")
                               .arg(QStringLiteral(ORVANE_VERSION)),
                           QStringLiteral("关于 Orvane"), MessagePresenter::Icon::Information, this);
}
