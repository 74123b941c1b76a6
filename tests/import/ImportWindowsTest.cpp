// The menu "数据" of the main window: a folder imported with its progress dialog, the summary
// shown and copied; a folder without tables refused with a message and nothing shown.
#include "CollectionFolder.h"
#include "DataSummaryWindow.h"
#include "ImportWindows.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ImportWindows, ImportsTheChosenFolderAndShowsItsSummary)
{
    TempAppFolder app;
    QTemporaryDir work;
    const QString cases = QDir(work.path()).filePath(QStringLiteral("cases"));
    CollectionFolder::Cases(cases);
    QString chosen = cases;
    const auto previous = ImportWindows::SetFolderChooser([&chosen](QWidget*) { return chosen; });
    QStringList messages;
    const auto presenter =
        MessagePresenter::SetHandler([&messages](const MessagePresenter::Message& m) { messages << m.Text; });

    MotherForm form(app.Path());
    form.show();
    form.findChild<QAction*>(QStringLiteral("munImport"))->trigger();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    auto* summary = form.findChild<DataSummaryWindow*>(QStringLiteral("frmDataSummary"));
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(summary->Text().contains(QStringLiteral("Base01\tBASE01.DBF\t3\t1\t3"))) << summary->Text().toStdString();
    QTest::mouseClick(summary->findChild<QPushButton*>(QStringLiteral("cmdCopy")), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), summary->Text());
    EXPECT_EQ(app.SourceRows(QStringLiteral("SELECT COUNT(*) FROM Base01")), QStringList{"3"});

    // 数据概况 shows the same window again; a refused folder changes nothing
    form.findChild<QAction*>(QStringLiteral("munDataSummary"))->trigger();
    EXPECT_EQ(form.MdiArea()->subWindowList().size(), 1);
    QDir(work.path()).mkdir(QStringLiteral("empty"));
    chosen = QDir(work.path()).filePath(QStringLiteral("empty"));
    form.findChild<QAction*>(QStringLiteral("munImport"))->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("没有采集系统的数据表")));
    EXPECT_EQ(app.SourceRows(QStringLiteral("SELECT COUNT(*) FROM Base01")), QStringList{"3"});

    ImportWindows::SetFolderChooser(previous);
    MessagePresenter::SetHandler(presenter);
}

} // namespace
