// The main window with the three real analysis windows: every control within reach on a
// small screen, places that come back, the menus 窗口 and 帮助, the status bar, and what
// the three windows share (Enter adds a region, 关闭 closes whatever the boxes hold, saving
// is reported, deleting asks first).
#include "FlexGrid.h"
#include "LayoutCheck.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"
#include "TourUnit.h"
#include "TuTallix.h"
#include "frmRestaurant.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMap>
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

// Opened, and maximised: no control needs sideways scrolling, every control of the body can
// be scrolled into view, and the buttons below the body are in sight without scrolling.
TEST_P(DeskOnScreen, EveryControlFitsTheWidthAndTheButtonsStayInSight)
{
    Desk desk;
    desk.ShowOn(GetParam().screen);
    QWidget* window = desk.Open(GetParam().kind);
    QMdiSubWindow* sub = desk.form->MdiArea()->activeSubWindow();
    ASSERT_TRUE(sub);
    EXPECT_TRUE(desk.form->MdiArea()->viewport()->rect().contains(sub->geometry()));
    auto* body = window->findChild<QScrollArea*>(window->objectName() + QStringLiteral("Body"));
    ASSERT_TRUE(body);

    for (const bool maximised : {false, true}) {
        if (maximised)
            sub->showMaximized();
        QCoreApplication::processEvents();
        EXPECT_FALSE(body->horizontalScrollBar()->isVisible()) << maximised;
        int checked = 0;
        for (QWidget* c : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                 qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractItemView*>(c);
            if (!control || !c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
                continue;
            ++checked;
            const std::string name = c->objectName().toStdString();
            EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << name << " cut by its frame";
            if (!body->widget()->isAncestorOf(c)) {
                // Below the body: in sight as it is.
                EXPECT_TRUE(window->rect().contains(QRect(c->mapTo(window, QPoint(0, 0)), c->size()))) << name;
                continue;
            }
            const QPoint centre = c->mapTo(body->widget(), c->rect().center());
            body->ensureVisible(centre.x(), centre.y(), 1, c->height() / 2 + 1);
            const QRect at(c->mapTo(body->viewport(), QPoint(0, 0)), c->size());
            EXPECT_GE(at.left(), 0) << name;
            EXPECT_LE(at.right(), body->viewport()->width()) << name;
            const QRect seen = at.intersected(body->viewport()->rect());
            EXPECT_GE(seen.height(), std::min(at.height(), body->viewport()->height())) << name;
        }
        EXPECT_GT(checked, 20);
        ExpectLaidOut(window);
    }
    body->verticalScrollBar()->setValue(0);
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

// 层叠 steps the windows without resizing them; after 平铺 a window put away comes back at the
// size and place the user gave it.
TEST(Desk, CascadeAndTileLeaveTheSizesWindowsComeBackAt)
{
    Desk desk;
    desk.ShowOn(QSize(1366, 768));
    QMap<QMdiSubWindow*, QRect> given;
    for (const Analysis kind : {Analysis::Restaurant, Analysis::TourUnit}) {
        desk.Open(kind);
        QMdiSubWindow* sub = desk.form->MdiArea()->activeSubWindow();
        sub->setGeometry(QRect(10 + 20 * static_cast<int>(given.size()), 10, 760, 500));
        given.insert(sub, sub->geometry());
    }
    desk.form->findChild<QAction*>("munCascade")->trigger();
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        EXPECT_EQ(it.key()->size(), it.value().size());
    desk.form->findChild<QAction*>("munTile")->trigger();
    for (auto it = given.cbegin(); it != given.cend(); ++it) {
        it.key()->hide();
        desk.Open(it.key()->widget()->objectName() == QLatin1String("TourUnit") ? Analysis::TourUnit
                                                                               : Analysis::Restaurant);
        EXPECT_EQ(it.key()->geometry(), it.value());
    }
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
    AddRegionByEnter(QStringLiteral("4301"));
    desk.Type(window, GetParam().periodBox, QStringLiteral("3000x"));
    desk.Click(window, GetParam().closeButton);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(desk.messages.isEmpty());

    // the title bar's close puts the window away with what it holds, as 关闭 does
    desk.Open(GetParam().kind);
    desk.Find<QLineEdit>(window, GetParam().periodBox)->setFocus();
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(desk.Open(GetParam().kind), window);
    EXPECT_EQ(desk.Find<FlexGrid>(window, GetParam().regionGrid)->Rows(), 2);
    EXPECT_TRUE(desk.messages.isEmpty()) << desk.messages.join('|').toStdString();
}

// A region added a second time is added and said in the status bar; the box is emptied
// after every region added.
TEST_P(DeskWindow, ARegionAddedTwiceIsSaidAndTheBoxIsEmptied)
{
    AddRegionByEnter(QStringLiteral("43"));
    EXPECT_TRUE(desk.Find<QLineEdit>(window, "txtRegionKey")->text().isEmpty());
    EXPECT_TRUE(desk.form->statusBar()->currentMessage().isEmpty());
    AddRegionByEnter(QStringLiteral("430"));
    EXPECT_EQ(desk.form->statusBar()->currentMessage(), QStringLiteral("该地区已在列表中"));
    EXPECT_TRUE(desk.Find<QLineEdit>(window, "txtRegionKey")->text().isEmpty());
    EXPECT_EQ(desk.Find<FlexGrid>(window, GetParam().regionGrid)->Rows(), 3);
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

// ---- why a sheet is empty ----

struct EmptyCase
{
    const char* name;
    Analysis kind;
    const char* year;
    const char* month; // nullptr: the window has no month
    const char* region; // nullptr: none added
    const char* run;
    const char* message;
};

class DeskEmptySheet : public ::testing::TestWithParam<EmptyCase>
{
};

TEST_P(DeskEmptySheet, TheDoneMessageSaysWhy)
{
    const EmptyCase& c = GetParam();
    Desk desk;
    desk.ShowOn(QSize(1366, 768));
    QWidget* window = desk.Open(c.kind);
    desk.Type(window, c.kind == Analysis::TuTallix ? "TxtYear" : "txtYear", QString::fromLatin1(c.year));
    if (c.month)
        desk.Type(window, c.kind == Analysis::TuTallix ? "TxtMonth" : "txtMonth", QString::fromLatin1(c.month));
    if (c.region) {
        desk.Type(window, "txtRegionKey", QString::fromLatin1(c.region));
        QTest::keyClick(desk.Find<QLineEdit>(window, "txtRegionKey"), Qt::Key_Return);
    }
    desk.Click(window, c.run);
    EXPECT_EQ(desk.messages, QStringList{QString::fromUtf8(c.message)});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, DeskEmptySheet, ::testing::Values(
    EmptyCase{"HotelWithoutRegion", Analysis::Restaurant, "2025", "12", nullptr, "cmdExec",
              "计算完成\n没有选择地区，报表只有合计行"},
    EmptyCase{"HotelWithoutReturns", Analysis::Restaurant, "2019", "12", "43", "cmdExec",
              "计算完成\n所选期间（2019年12月）没有任何报表数据"},
    EmptyCase{"HotelWithAll", Analysis::Restaurant, "2025", "12", "43", "cmdExec", "计算完成"},
    EmptyCase{"AnnualWithoutRegion", Analysis::TourUnit, "2025", nullptr, nullptr, "cmdCreate",
              "计算完成\n没有选择地区，报表只有合计行"},
    EmptyCase{"AnnualWithoutReturns", Analysis::TourUnit, "2019", nullptr, "43", "cmdCreate",
              "计算完成\n所选期间（2019年）没有任何报表数据"},
    EmptyCase{"LedgerWithoutRegionOrItem", Analysis::TuTallix, "2025", "12", nullptr, "CmdExe",
              "计算完成！\n没有选择地区，报表只有合计行\n没有选择台帐项目"},
    EmptyCase{"LedgerWithoutReturns", Analysis::TuTallix, "2019", "12", "43", "CmdExe",
              "计算完成！\n没有选择台帐项目\n所选期间（2019年12月）没有任何报表数据"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    Windows, DeskWindow,
    ::testing::Values(
        WindowCase{Analysis::Restaurant, "FlexGrid", "txtMonth", "cmdCancel", "txtNewcondition", "cmdSave", "cmdDelete"},
        WindowCase{Analysis::TourUnit, "FlexGrid", "txtYear", "cmdExit", "txtSave", "cmdSave", "cmdDel"},
        WindowCase{Analysis::TuTallix, "FlexGridArea", "TxtMonth", "CmdCancle", "Text3", "CmdSave", "CmdDel"}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(KindName(info.param.kind)); });

} // namespace
