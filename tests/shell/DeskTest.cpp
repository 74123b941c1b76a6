// The main window with the three real analysis windows: every control within reach on a
// small screen, places that come back, the menus 窗口 and 帮助, the status bar, and what
// the three windows share (Enter adds a region, 关闭 closes whatever the boxes hold, saving
// is reported, deleting asks first).
#include "FlexGrid.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"
#include "TourUnit.h"
#include "TuTallix.h"
#include "frmRestaurant.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Analysis = MotherForm::Analysis;

struct Desk
{
    Desk()
    {
        folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省'), ('430100', '长沙市');"
                                     "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES "
                                     "('B1001', '芙蓉宾馆', '430102');"
                                     "INSERT INTO Base05 (code, TableDate) VALUES ('B1001', '2025-11-01'), "
                                     "('B1001', '2025-12-01')"));
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
        form = std::make_unique<MotherForm>(folder.Path());
        form->SetFactory(Analysis::Restaurant, [] { return new frmRestaurant; });
        form->SetFactory(Analysis::TourUnit, [] { return new TourUnit; });
        form->SetFactory(Analysis::TuTallix, [] { return new TuTallix; });
    }
    ~Desk()
    {
        form.reset();
        MessagePresenter::SetAskHandler({});
        MessagePresenter::SetHandler({});
    }

    // The main window as a maximised window of a screen of that size leaves it.
    void ShowOn(QSize screen)
    {
        form->resize(screen - QSize(0, 32));
        form->show();
        QApplication::setActiveWindow(form.get());
        QCoreApplication::processEvents();
    }
    QWidget* Open(Analysis kind)
    {
        QWidget* window = form->ShowAnalysis(kind);
        QCoreApplication::processEvents();
        return window;
    }
    template <typename T = QWidget> T* Find(QWidget* window, const char* name)
    {
        T* control = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Type(QWidget* window, const char* box, const QString& text)
    {
        auto* edit = Find<QLineEdit>(window, box);
        edit->setFocus();
        edit->selectAll();
        edit->insert(text); // as an input method types Chinese
    }
    void Click(QWidget* window, const char* button)
    {
        QTest::mouseClick(Find<QAbstractButton>(window, button), Qt::LeftButton);
    }

    TempAppFolder folder;
    std::unique_ptr<MotherForm> form;
    QStringList messages;
};

const char* KindName(Analysis kind)
{
    switch (kind) {
    case Analysis::Restaurant: return "frmRestaurant";
    case Analysis::TourUnit: return "TourUnit";
    case Analysis::TuTallix: return "TuTallix";
    }
    return "?";
}

// ---- every control within reach ----

struct ScreenCase
{
    Analysis kind;
    QSize screen;
};

class DeskOnScreen : public ::testing::TestWithParam<ScreenCase>
{
};

TEST_P(DeskOnScreen, EveryControlCanBeScrolledIntoView)
{
    Desk desk;
    desk.ShowOn(GetParam().screen);
    QWidget* window = desk.Open(GetParam().kind);
    QMdiSubWindow* sub = desk.form->MdiArea()->activeSubWindow();
    ASSERT_TRUE(sub);
    EXPECT_TRUE(desk.form->MdiArea()->viewport()->rect().contains(sub->geometry()));
    auto* scroll = qobject_cast<QScrollArea*>(sub->widget());
    ASSERT_TRUE(scroll);

    int checked = 0;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                             qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractItemView*>(c);
        if (!control || !c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
            continue;
        ++checked;
        // The whole control, not only a text box's cursor as ensureWidgetVisible would.
        const QPoint centre = c->mapTo(window, c->rect().center());
        scroll->ensureVisible(centre.x(), centre.y(), c->width() / 2 + 1, c->height() / 2 + 1);
        const QRect at(c->mapTo(scroll->viewport(), QPoint(0, 0)), c->size());
        const QRect seen = at.intersected(scroll->viewport()->rect());
        // Whole, or as much of it as the view can hold.
        EXPECT_GE(seen.width(), std::min(at.width(), scroll->viewport()->width())) << c->objectName().toStdString();
        EXPECT_GE(seen.height(), std::min(at.height(), scroll->viewport()->height())) << c->objectName().toStdString();
    }
    EXPECT_GT(checked, 20);

    scroll->verticalScrollBar()->setValue(0);
    scroll->horizontalScrollBar()->setValue(0);
    if (const QString look = qEnvironmentVariable("ORVANE_LOOK_DIR"); !look.isEmpty()) {
        QDir().mkpath(look);
        const QString name = QStringLiteral("%1x%2_%3.png")
                                 .arg(GetParam().screen.width())
                                 .arg(GetParam().screen.height())
                                 .arg(QLatin1String(KindName(GetParam().kind)));
        EXPECT_TRUE(desk.form->grab().save(QDir(look).filePath(name)));
    }
}

std::vector<ScreenCase> ScreenCases()
{
    std::vector<ScreenCase> cases;
    for (const QSize screen : {QSize(1024, 600), QSize(1366, 768), QSize(1920, 1080)})
        for (const Analysis kind : {Analysis::Restaurant, Analysis::TourUnit, Analysis::TuTallix})
            cases.push_back({kind, screen});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Screens, DeskOnScreen, ::testing::ValuesIn(ScreenCases()),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return std::string(KindName(info.param.kind)) + "_" +
                                    std::to_string(info.param.screen.width()) + "x" +
                                    std::to_string(info.param.screen.height());
                         });

// ---- places ----

TEST(Desk, NewWindowsOpenInsideTheVisibleAreaAndComeBackWhereTheyWere)
{
    QRect moved;
    {
        Desk desk;
        desk.ShowOn(QSize(1024, 600));
        for (const Analysis kind : {Analysis::Restaurant, Analysis::TourUnit, Analysis::TuTallix}) {
            desk.Open(kind);
            EXPECT_TRUE(desk.form->MdiArea()->viewport()->rect().contains(
                desk.form->MdiArea()->activeSubWindow()->geometry()))
                << KindName(kind);
        }
        QMdiSubWindow* sub = desk.form->MdiArea()->activeSubWindow();
        moved = QRect(40, 30, 700, 420);
        sub->setGeometry(moved);
        desk.form->close();
    }
    Desk desk;
    desk.ShowOn(QSize(1024, 600));
    desk.Open(Analysis::TuTallix);
    EXPECT_EQ(desk.form->MdiArea()->activeSubWindow()->geometry(), moved);
}

TEST(Desk, TheMainWindowFitsTheScreenAndComesBackAtItsPlace)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    {
        Desk desk;
        desk.form->ShowInPlace();
        const bool roomy = available.width() >= MotherForm::DefaultSize.width() + 16 &&
                           available.height() >= MotherForm::DefaultSize.height() + 40;
        EXPECT_EQ(desk.form->isMaximized(), !roomy);
        desk.form->showNormal();
        desk.form->setGeometry(QRect(available.topLeft() + QPoint(10, 20), QSize(700, 500)));
        desk.form->close();
    }
    Desk desk;
    desk.form->ShowInPlace();
    EXPECT_FALSE(desk.form->isMaximized());
    EXPECT_EQ(desk.form->size(), QSize(700, 500));
}

// ---- menus and status bar ----

TEST(Desk, WindowAndHelpMenusFollowTheExistingOnes)
{
    Desk desk;
    desk.ShowOn(QSize(1366, 768));
    QStringList menus;
    for (const QAction* action : desk.form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"系统操作", "分析报表统计条件设置", "数据", "窗口", "帮助"}));

    desk.Open(Analysis::Restaurant);
    desk.Open(Analysis::TourUnit);
    auto* windowMenu = desk.form->findChild<QMenu*>("munWindow");
    emit windowMenu->aboutToShow();
    QStringList listed;
    QAction* first = nullptr;
    for (QAction* action : windowMenu->actions())
        if (action->isCheckable()) {
            listed << action->text() + (action->isChecked() ? "*" : "");
            first = first ? first : action;
        }
    EXPECT_EQ(listed, (QStringList{"&1 饭店分析报表条件设置", "&2 旅游单位综合年报表*"}));
    first->trigger();
    EXPECT_EQ(desk.form->MdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("饭店分析报表条件设置"));

    desk.form->findChild<QAction*>("munTile")->trigger();
    for (const QMdiSubWindow* sub : desk.form->MdiArea()->subWindowList())
        EXPECT_TRUE(desk.form->MdiArea()->viewport()->rect().contains(sub->geometry()));

    desk.form->findChild<QAction*>("munUsage")->trigger();
    auto* usage = desk.form->findChild<QTextBrowser*>("txtUsage");
    ASSERT_TRUE(usage);
    for (const char* topic : {"饭店分析报表条件", "旅游单位综合年报表", "旅游企业台帐", "orvane-report"})
        EXPECT_TRUE(usage->toPlainText().contains(QString::fromUtf8(topic))) << topic;
    if (const QString look = qEnvironmentVariable("ORVANE_LOOK_DIR"); !look.isEmpty()) {
        EXPECT_TRUE(usage->window()->grab().save(QDir(look).filePath(QStringLiteral("usage.png"))));
    }
    desk.form->findChild<QAction*>("munAbout")->trigger();
    ASSERT_EQ(desk.messages.size(), 1);
    EXPECT_TRUE(desk.messages[0].startsWith(QStringLiteral("Orvane 0.")));
}

TEST(Desk, StatusBarNamesTheSourceAndItsNewestPeriod)
{
    Desk desk;
    desk.ShowOn(QSize(1366, 768));
    desk.form->RefreshSourceStatus();
    const QString status = desk.form->SourceStatus();
    EXPECT_TRUE(status.contains(QDir::toNativeSeparators(desk.folder.SourceDatabase()))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("最新数据期：2025年12月"))) << status.toStdString();

    desk.folder.Source(QStringLiteral("DELETE FROM Base05"));
    desk.form->RefreshSourceStatus();
    EXPECT_TRUE(desk.form->SourceStatus().contains(QStringLiteral("无数据")));
}

// ---- what the three windows share ----

struct WindowCase
{
    Analysis kind;
    const char* regionGrid;
    const char* periodBox; // a box of the period, to be left holding a refused value
    const char* closeButton;
    const char* nameBox;
    const char* saveButton;
    const char* deleteButton;
};

// One analysis window open in the main window.
class DeskWindow : public ::testing::TestWithParam<WindowCase>
{
protected:
    void SetUp() override
    {
        desk.ShowOn(QSize(1366, 768));
        window = desk.Open(GetParam().kind);
        sub = desk.form->MdiArea()->activeSubWindow();
    }
    void AddRegionByEnter(const QString& key)
    {
        desk.Type(window, "txtRegionKey", key);
        QTest::keyClick(desk.Find<QLineEdit>(window, "txtRegionKey"), Qt::Key_Return);
    }

    Desk desk;
    QWidget* window = nullptr;
    QMdiSubWindow* sub = nullptr;
};

TEST_P(DeskWindow, EnterInTheRegionBoxAddsTheRegion)
{
    AddRegionByEnter(QStringLiteral("4301"));
    auto* grid = desk.Find<FlexGrid>(window, GetParam().regionGrid);
    ASSERT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("长沙市"));
    EXPECT_TRUE(desk.messages.isEmpty());
}

TEST_P(DeskWindow, CloseButtonAndTitleBarCloseWhateverTheBoxHolds)
{
    desk.Type(window, GetParam().periodBox, QStringLiteral("3000x"));
    desk.Click(window, GetParam().closeButton);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(desk.messages.isEmpty());

    desk.Open(GetParam().kind);
    desk.Find<QLineEdit>(window, GetParam().periodBox)->setFocus();
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(desk.form->AnalysisWindow(GetParam().kind));
    EXPECT_TRUE(desk.messages.isEmpty());
}

// The saved names of a window, as its list or grid shows them.
QStringList Saved(QWidget* window)
{
    QStringList names;
    if (auto* grid = window->findChild<FlexGrid*>("MSfgSave")) {
        for (int r = 1; r < grid->Rows(); ++r)
            names << grid->TextMatrix(r, 0);
        return names;
    }
    for (const char* name : {"lstConditon", "List1"})
        if (auto* list = window->findChild<QListWidget*>(QLatin1String(name)))
            for (int i = 0; i < list->count(); ++i)
                names << list->item(i)->text();
    return names;
}

void SelectFirstSaved(QWidget* window)
{
    if (auto* grid = window->findChild<FlexGrid*>("MSfgSave")) {
        grid->SetRow(1);
        return;
    }
    for (const char* name : {"lstConditon", "List1"})
        if (auto* list = window->findChild<QListWidget*>(QLatin1String(name)); list && list->count() > 0)
            list->item(0)->setSelected(true);
}

TEST_P(DeskWindow, SavingIsReportedAndDeletingAsksFirst)
{
    AddRegionByEnter(QStringLiteral("43"));
    desk.Type(window, GetParam().nameBox, QStringLiteral("省级"));
    desk.Click(window, GetParam().saveButton);
    EXPECT_EQ(desk.form->statusBar()->currentMessage(), QStringLiteral("已保存"));
    ASSERT_EQ(Saved(window), QStringList{"省级"});

    QStringList asked;
    bool answer = false;
    MessagePresenter::SetAskHandler([&](const MessagePresenter::Message& m) {
        asked << m.Text;
        return answer;
    });
    SelectFirstSaved(window);
    desk.Click(window, GetParam().deleteButton);
    EXPECT_EQ(asked, QStringList{"确定删除存储条件“省级”吗？"});
    EXPECT_EQ(Saved(window), QStringList{"省级"});
    answer = true;
    SelectFirstSaved(window);
    desk.Click(window, GetParam().deleteButton);
    EXPECT_TRUE(Saved(window).isEmpty());
    EXPECT_TRUE(desk.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, DeskWindow,
    ::testing::Values(
        WindowCase{Analysis::Restaurant, "FlexGrid", "txtMonth", "cmdCancel", "txtNewcondition", "cmdSave", "cmdDelete"},
        WindowCase{Analysis::TourUnit, "FlexGrid", "txtYear", "cmdExit", "txtSave", "cmdSave", "cmdDel"},
        WindowCase{Analysis::TuTallix, "FlexGridArea", "TxtMonth", "CmdCancle", "Text3", "CmdSave", "CmdDel"}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(KindName(info.param.kind)); });

} // namespace
