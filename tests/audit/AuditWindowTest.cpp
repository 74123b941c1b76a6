// 数据审核 as a user works it: reached from the menu and from 数据概况, a month audited, the
// count of each rule, the table narrowed by rule, by region and by the rules ticked off, and
// the print preview of what is shown.
#include "AuditWindow.h"
#include "AuditSource.h"
#include "DataSummaryWindow.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "ReportDocument.h"
#include "ReportViewer.h"
#include "TempAppFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AuditWindow, CountsFiltersAndPrintsTheFindings)
{
    TempAppFolder app;
    FillAuditSource(app);
    QStringList messages;
    const auto presenter =
        MessagePresenter::SetHandler([&messages](const MessagePresenter::Message& m) { messages << m.Text; });
    MotherForm form(app.Path());
    form.show();
    form.findChild<QAction*>(QStringLiteral("munAudit"))->trigger();
    auto* window = form.findChild<AuditWindow*>(QStringLiteral("frmAudit"));
    ASSERT_TRUE(window);
    for (const auto& [box, text] : {std::pair{"txtYear", "2025"}, std::pair{"txtMonth", "12"}}) {
        auto* edit = window->findChild<QLineEdit*>(QLatin1String(box));
        edit->clear();
        QTest::keyClicks(edit, QLatin1String(text));
    }
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdAudit")), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

    auto* rules = window->findChild<QListWidget*>(QStringLiteral("lstRules"));
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("grdFindings"));
    auto* byRule = window->findChild<QComboBox*>(QStringLiteral("cmbRule"));
    auto* byRegion = window->findChild<QComboBox*>(QStringLiteral("cmbRegion"));
    ASSERT_EQ(rules->count(), 15);
    for (int i = 0; i < 12; ++i) // R01 to M08 once each, the annual rules not at all
        EXPECT_TRUE(rules->item(i)->text().contains(QStringLiteral("（1）")))
            << rules->item(i)->text().toStdString();
    EXPECT_TRUE(rules->item(12)->text().startsWith(QStringLiteral("A01（0）")));

    const struct
    {
        int rule;           // position in cmbRule: 0 every rule, 1 R01 ...
        const char* region; // text in cmbRegion
        QList<int> off;     // rules ticked off
        int rows;
    } cases[] = {
        {0, "全部地区", {}, 12}, {2, "全部地区", {}, 1},       {0, "439999", {}, 1},
        {0, "430102", {}, 11},   {0, "全部地区", {0, 11}, 10}, {1, "全部地区", {0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        for (int i = 0; i < rules->count(); ++i)
            rules->item(i)->setCheckState(c.off.contains(i) ? Qt::Unchecked : Qt::Checked);
        byRule->setCurrentIndex(c.rule);
        byRegion->setCurrentIndex(byRegion->findText(QLatin1String(c.region)));
        EXPECT_EQ(grid->rowCount(), c.rows);
    }
    // sorted by the rule column, the register's rules first when descending
    for (int i = 0; i < rules->count(); ++i)
        rules->item(i)->setCheckState(Qt::Checked);
    byRule->setCurrentIndex(0);
    byRegion->setCurrentIndex(0);
    grid->sortItems(3, Qt::DescendingOrder);
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("R04"));

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    auto* preview = window->findChild<QDialog*>(QStringLiteral("frmAuditPrint"));
    ASSERT_TRUE(preview);
    auto* viewer = preview->findChild<ReportViewer*>();
    ASSERT_TRUE(viewer && viewer->Report());
    EXPECT_EQ(viewer->Report()->Rows().size(), 12);
    EXPECT_GE(viewer->PageCount(), 1);
    QTemporaryDir out;
    EXPECT_TRUE(viewer->ExportPdf(out.filePath(QStringLiteral("audit.pdf"))));
    EXPECT_TRUE(viewer->ExportExcel(out.filePath(QStringLiteral("audit.xlsx"))));
    preview->close();

    // 数据概况 leads to the same window
    form.findChild<QAction*>(QStringLiteral("munDataSummary"))->trigger();
    auto* summary = form.findChild<DataSummaryWindow*>(QStringLiteral("frmDataSummary"));
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->Text().contains(QStringLiteral("R02 饭店没有可用的客房数：1 条（B0102）")))
        << summary->Text().toStdString();
    QTest::mouseClick(summary->findChild<QPushButton*>(QStringLiteral("cmdAudit")), Qt::LeftButton);
    EXPECT_EQ(form.MdiArea()->activeSubWindow()->widget(), window);
    EXPECT_EQ(form.findChildren<AuditWindow*>().size(), 1);
    MessagePresenter::SetHandler(presenter);
}

} // namespace
