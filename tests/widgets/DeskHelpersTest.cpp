// The helpers behind the desk: where windows come back, questions, Qt's texts in Chinese.
#include "AnalysisWindows.h"
#include "MessagePresenter.h"
#include "QtChinese.h"
#include "WindowPlaces.h"

#include <QDialogButtonBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

struct InsideCase
{
    const char* what;
    QRect wanted;
    QRect expected;
};

class WindowPlacesInside : public ::testing::TestWithParam<InsideCase>
{
};

TEST_P(WindowPlacesInside, KeepsTheWindowInTheArea)
{
    const QRect area(0, 0, 1000, 560);
    EXPECT_EQ(WindowPlaces::Inside(GetParam().wanted, area), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacesInside,
    ::testing::Values(InsideCase{"fits", {20, 30, 400, 300}, {20, 30, 400, 300}},
                      InsideCase{"off the right edge", {800, 30, 400, 300}, {600, 30, 400, 300}},
                      InsideCase{"off the bottom", {20, 400, 400, 300}, {20, 260, 400, 300}},
                      InsideCase{"above and left", {-50, -20, 400, 300}, {0, 0, 400, 300}},
                      InsideCase{"larger than the area", {100, 100, 1196, 900}, {0, 0, 1000, 560}}));

TEST(WindowPlaces, ComeBackUnderTheirKeyOnly)
{
    EXPECT_FALSE(WindowPlaces::Saved(QStringLiteral("TourUnit")));
    WindowPlaces::Save(QStringLiteral("TourUnit"), QRect(10, 20, 640, 480));
    EXPECT_EQ(WindowPlaces::Saved(QStringLiteral("TourUnit")), QRect(10, 20, 640, 480));
    EXPECT_FALSE(WindowPlaces::Saved(QStringLiteral("TuTallix")));
}

TEST(MessagePresenter, QuestionsReachTheTestsAnswer)
{
    QList<MessagePresenter::Message> shown;
    MessagePresenter::SetHandler([&](const MessagePresenter::Message& m) { shown << m; });
    EXPECT_TRUE(MessagePresenter::Ask(QStringLiteral("确定删除吗？"))); // a recorder agrees
    MessagePresenter::SetAskHandler([](const MessagePresenter::Message&) { return false; });
    EXPECT_FALSE(MessagePresenter::Ask(QStringLiteral("再问一次？")));
    MessagePresenter::SetAskHandler({});
    MessagePresenter::SetHandler({});
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].Kind, MessagePresenter::Icon::Question);
    EXPECT_EQ(shown[0].Title, QStringLiteral("Orvane"));
}

TEST(QtChinese, QtsOwnButtonsSpeakChinese)
{
    ASSERT_TRUE(QtChinese::Install());
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_TRUE(buttons.button(QDialogButtonBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(buttons.button(QDialogButtonBox::No)->text().startsWith(QStringLiteral("否")));
    EXPECT_TRUE(buttons.button(QDialogButtonBox::Cancel)->text().startsWith(QStringLiteral("取消")));
}

TEST(AnalysisWindows, HideAndStatusFindTheFrameThroughAScrollArea)
{
    QMainWindow main;
    auto* mdi = new QMdiArea(&main);
    main.setCentralWidget(mdi);
    auto* window = new QWidget;
    auto* scroll = new QScrollArea;
    scroll->setWidget(window);
    QMdiSubWindow* sub = mdi->addSubWindow(scroll);
    main.show();
    sub->show();
    EXPECT_EQ(AnalysisWindows::SubWindowOf(window), sub);

    AnalysisWindows::ShowStatus(window, QStringLiteral("已保存"));
    EXPECT_EQ(main.statusBar()->currentMessage(), QStringLiteral("已保存"));
    AnalysisWindows::Hide(window);
    EXPECT_FALSE(sub->isVisible());

    QWidget alone; // a window of its own hides itself
    alone.show();
    EXPECT_EQ(AnalysisWindows::SubWindowOf(&alone), nullptr);
    AnalysisWindows::Hide(&alone);
    EXPECT_FALSE(alone.isVisible());
}

} // namespace
