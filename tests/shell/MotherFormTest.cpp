#include "ImportWindows.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAction* Entry(MotherForm& form, const char* name)
{
    return form.findChild<QAction*>(QLatin1String(name));
}

TEST(MotherForm, EachWindowExistsOnceAndKeepsItsContents)
{
    TempAppFolder app(TempAppFolder::Content::Empty);
    MotherForm form(app.Path());
    int created = 0;
    form.SetFactory(MotherForm::Analysis::TourUnit, [&created] {
        ++created;
        return new QWidget;
    });
    form.show();
    Entry(form, "munTourUnit")->trigger();
    Entry(form, "munTourUnit")->trigger();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(form.MdiArea()->subWindowList().size(), 1);

    form.HideAnalysisWindows(); // hidden, contents kept
    Entry(form, "munTourUnit")->trigger();
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(form.AnalysisWindow(MotherForm::Analysis::TourUnit)->isVisible());

    form.MdiArea()->subWindowList().first()->close(); // the title bar's close puts it away too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(form.AnalysisWindow(MotherForm::Analysis::TourUnit));
    EXPECT_FALSE(form.AnalysisWindow(MotherForm::Analysis::TourUnit)->isVisible());
    Entry(form, "munTourUnit")->trigger();
    EXPECT_EQ(created, 1);
}

TEST(MotherForm, StartUpNoticeIsShownAndTheWindowStays)
{
    TempAppFolder app(TempAppFolder::Content::Empty);
    QList<MessagePresenter::Message> shown;
    MessagePresenter::SetHandler([&shown](const MessagePresenter::Message& m) { shown << m; });
    MotherForm form(app.Path());
    form.show();
    form.MDIForm_Load();
    MessagePresenter::SetHandler({});
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].Text, QStringLiteral("缺少统计系统文件 tallix.she！"));
    EXPECT_EQ(shown[0].Title, QStringLiteral("台帐系统提示"));
    EXPECT_EQ(shown[0].Kind, MessagePresenter::Icon::Critical);
    EXPECT_TRUE(form.isVisible());
    Entry(form, "munSysExit")->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST(MotherForm, WithoutASourceDatabaseTheImportIsOfferedUntilThereIsOne)
{
    TempAppFolder app(TempAppFolder::Content::Empty);
    MessagePresenter::SetHandler([](const MessagePresenter::Message&) {});
    MotherForm form(app.Path());
    form.show();
    form.MDIForm_Load();
    MessagePresenter::SetHandler({});
    auto* text = form.findChild<QLabel*>(QStringLiteral("lblNoSource"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), QStringLiteral("还没有源数据：请从“数据 → 导入采集数据...”导入，或打开示例数据"));
    EXPECT_TRUE(text->isVisible());

    QSignalSpy imported(Entry(form, "munImport"), &QAction::triggered);
    const auto chooser = ImportWindows::SetFolderChooser([](QWidget*) { return QString(); }); // the user cancels the folder dialog
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdImport")), Qt::LeftButton);
    ImportWindows::SetFolderChooser(chooser);
    EXPECT_EQ(imported.size(), 1);
    EXPECT_TRUE(text->isVisible());

    QDir().mkpath(app.Path() + QStringLiteral("/Database"));
    QFile(app.SourceDatabase()).open(QIODevice::WriteOnly); // an import has brought one
    form.OfferSource();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("lblNoSource")));
}

} // namespace
