#include "tableprint.h"
#include "MessagePresenter.h"
#include "PdfText.h"
#include "ReportDocument.h"
#include "ReportViewer.h"
#include "TempAppFolder.h"

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QTabWidget>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TablePrintWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
        InsertRows(folder, "type22", "1_2", {{"合计", "2"}, {"长沙市", "1"}, {"株洲市", "1"}});
        InsertRows(folder, "type66", "1_9", {{"合计", " 2", "30"}});
    }
    void TearDown() override { MessagePresenter::SetHandler({}); }

    QToolButton* Button(const char* name) { return window.CRViewer1->findChild<QToolButton*>(name); }
    QString PageLabel() { return window.CRViewer1->findChild<QLabel*>("lblPage")->text(); }

    TempAppFolder folder;
    tableprint window;
    QStringList messages;
};

// The viewer follows the window's size.
TEST_F(TablePrintWindow, TheViewerFillsTheWindow)
{
    window.resize(640, 480);
    window.Show();
    window.resize(700, 520);
    QApplication::processEvents();
    EXPECT_EQ(window.CRViewer1->geometry(), QRect(0, 0, 700, 520));
    window.close();
}

TEST_F(TablePrintWindow, ShowsTheReportAskedForEvenWhileOpen)
{
    window.TableCode = "1-2";
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.Report()->Title(), QStringLiteral("表1-2 旅游饭店主要指标（按地区分）"));
    EXPECT_EQ(window.Report()->Rows().size(), 3);
    EXPECT_EQ(window.CRViewer1->PageCount(), 1);
    EXPECT_EQ(PageLabel(), QStringLiteral("第 1 页 共 1 页"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const ReportDocument* first = window.Report();
    window.Show(); // nothing changed: the report in view stays
    EXPECT_EQ(window.Report(), first);

    window.TableCode = "1-9";
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.Report()->Title(), QStringLiteral("表1-9 旅游饭店客房经营情况"));
    EXPECT_EQ(window.CRViewer1->Report(), window.Report());
    window.close();
}

TEST_F(TablePrintWindow, ReopeningReadsTheTablesAfresh)
{
    window.TableCode = "1-2";
    window.Show();
    window.close();
    EXPECT_EQ(window.Report(), nullptr);
    InsertRows(folder, "type22", "1_2", {{"湘潭市", "0"}});
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.Report()->Rows().size(), 4);
    window.close();
}

TEST_F(TablePrintWindow, LedgerTakesTheCallersTitleAndHeadings)
{
    InsertRows(folder, "type22", "", {{"合计", "250", "", "", "", "", "", "", ""}});
    window.TableCode = "3_1";
    window.title = "旅游企业台帐（按本期数值）";
    window.item1 = "营业收入";
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.Report()->Rows().size(), 1); // the hotel rows of type22 are not the ledger's
    EXPECT_EQ(window.Report()->Title(), window.title);
    EXPECT_EQ(window.Report()->Text("h1"), QStringLiteral("营业收入"));

    window.item1 = "营业收入（同比%）"; // new headings for the same code are a new request
    window.Show();
    EXPECT_EQ(window.Report()->Text("h1"), QStringLiteral("营业收入（同比%）"));
    window.close();
}

TEST_F(TablePrintWindow, UnknownCodeLeavesAnEmptyViewer)
{
    window.TableCode = "1-2";
    window.Show();
    window.TableCode = "1_2";
    window.Show();
    EXPECT_EQ(window.Report(), nullptr);
    EXPECT_EQ(window.CRViewer1->PageCount(), 0);
    EXPECT_EQ(PageLabel(), QString());
    EXPECT_FALSE(Button("cmdPrint")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages.isEmpty());
    window.close();
}

// The 图表 tab beside the preview charts a numeric column of the report in view, its bars
// the column's figures without the 合计 row.
TEST_F(TablePrintWindow, ChartTabShowsTheChosenColumnOfTheReportInView)
{
    InsertRows(folder, "type22", "1_3", {{"合计", "9", "12.5"}, {"长沙市", "4", "2.5"}, {"株洲市", "5", "10"}});
    window.TableCode = "1-3";
    window.Show();
    auto* tabs = window.CRViewer1->findChild<QTabWidget*>("tabViews");
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    auto* columns = window.CRViewer1->findChild<QComboBox*>("cmbChartColumn");
    ASSERT_EQ(columns->count(), 2);
    EXPECT_EQ(columns->itemText(1), window.Report()->HeadingText(2).trimmed());
    columns->setCurrentIndex(1);
    auto* view = window.CRViewer1->findChild<QChartView*>("chartView");
    const auto* series = qobject_cast<QHorizontalBarSeries*>(view->chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->barSets()[0]->count(), 2);
    EXPECT_EQ(series->barSets()[0]->at(0), 2.5);
    EXPECT_EQ(series->barSets()[0]->at(1), 10);
    window.close();
}

TEST_F(TablePrintWindow, ReportWithoutRowsSaysSoInsteadOfAnEmptyTable)
{
    window.TableCode = "2-1-1";
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.CRViewer1->findChild<QLabel*>("lblEmpty")->text(), ReportDocument::NoDataMessage);
    EXPECT_TRUE(window.CRViewer1->findChild<QLabel*>("lblEmpty")->isVisibleTo(&window));
    EXPECT_EQ(window.CRViewer1->PageCount(), 0);
    EXPECT_FALSE(Button("cmdExportPdf")->isEnabled());
    window.close();
    window.TableCode = "1-2";
    window.Show();
    EXPECT_TRUE(window.CRViewer1->findChild<QLabel*>("lblEmpty")->text().isEmpty());
    EXPECT_EQ(window.CRViewer1->PageCount(), 1);
    window.close();
}

TEST_F(TablePrintWindow, DatabaseErrorIsShownAndTheWindowStaysUsable)
{
    folder.Own("DROP TABLE type33");
    window.TableCode = "1-6";
    window.Show();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("type33"));
    EXPECT_EQ(window.Report(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    window.TableCode = "1-2";
    window.Show();
    ASSERT_NE(window.Report(), nullptr);
    EXPECT_EQ(window.Report()->Rows().size(), 3);
    window.close();
}

TEST_F(TablePrintWindow, PageButtonsMoveThroughALongReport)
{
    QList<QStringList> rows;
    for (int i = 0; i < 150; ++i)
        rows.append({QStringLiteral("地区%1").arg(i), "1"});
    InsertRows(folder, "type22", "1_10", rows);
    window.TableCode = "1-10";
    window.Show();
    const int pages = window.CRViewer1->PageCount();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(PageLabel(), QStringLiteral("第 1 页 共 %1 页").arg(pages));
    QTest::mouseClick(Button("cmdPreviousPage"), Qt::LeftButton);
    EXPECT_EQ(window.CRViewer1->CurrentPage(), 1);
    QTest::mouseClick(Button("cmdNextPage"), Qt::LeftButton);
    QTest::mouseClick(Button("cmdNextPage"), Qt::LeftButton);
    EXPECT_EQ(window.CRViewer1->CurrentPage(), 3);
    EXPECT_EQ(PageLabel(), QStringLiteral("第 3 页 共 %1 页").arg(pages));
    QTest::mouseClick(Button("cmdPreviousPage"), Qt::LeftButton);
    EXPECT_EQ(window.CRViewer1->CurrentPage(), 2);

    const qreal zoom = window.CRViewer1->Preview()->zoomFactor();
    QTest::mouseClick(Button("cmdZoomIn"), Qt::LeftButton);
    EXPECT_GT(window.CRViewer1->Preview()->zoomFactor(), zoom);
    QTest::mouseClick(Button("cmdZoomOut"), Qt::LeftButton);
    QTest::mouseClick(Button("cmdZoomOut"), Qt::LeftButton);
    EXPECT_LT(window.CRViewer1->Preview()->zoomFactor(), zoom);
    QTest::mouseClick(Button("cmdFitWidth"), Qt::LeftButton);
    EXPECT_EQ(window.CRViewer1->Preview()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    window.close();
}

TEST_F(TablePrintWindow, ExportsWhatItShows)
{
    window.TableCode = "1-2";
    window.Show();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("1-2.pdf");
    ASSERT_TRUE(window.CRViewer1->ExportPdf(pdf));
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("表1-2 旅游饭店主要指标（按地区分）")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("株洲市")));
    window.close();
}

TEST(TablePrintShared, OneWindowForEveryCaller)
{
    tableprint* shared = tableprint::Shared();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(tableprint::Shared(), shared);
    EXPECT_EQ(shared->parent(), nullptr);
}

} // namespace
