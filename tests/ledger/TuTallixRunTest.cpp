#include "FlexGrid.h"
#include "ReportDocument.h"
#include "TuTallix.h"
#include "TuTallixDriver.h"
#include "tableprint.h"

#include <QApplication>
#include <QScopeGuard>
#include <gtest/gtest.h>

namespace {

QStringList Headings(const tableprint* print)
{
    return {print->item1, print->item2, print->item3, print->item4,
            print->item5, print->item6, print->item7, print->item8};
}

// Typed, composed and clicked as a user would, run after run in one window: the rows equal
// those of the ledger pass for the same columns, rows and mode, and print under the mode's
// code, title and headings.
TEST(TuTallixRunning, WritesAndPrintsTheReferenceLedgers)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({"43", "4301", "4302"});
    d.AddEnterprises({"B1001", "B1002", "B2001", "B1003"});
    d.SetPeriod("2006", "03");
    tableprint* print = tableprint::Shared();
    const auto closed = qScopeGuard([print] { print->close(); });
    const struct
    {
        const char* mode;
        const char* grouping;
        const char* reference;
        const char* code;
        const char* title;
        const char* suffix;
    } runs[] = {// clang-format off
        {"OptAccumuCom", "Option9", "enterprise_cumulative_comparison.tsv", "3_4", "旅游企业台帐（按累计比较）", "（累比%）"},
        {"OptCurrent", "Option8", "region_current.tsv", "3_1", "旅游企业台帐（按本期数值）", ""},
        {"OptAccumu", "Option8", "region_cumulative.tsv", "3_2", "旅游企业台帐（按累计数值）", ""},
        {"OptAccumuCom", "Option8", "region_cumulative_comparison.tsv", "3_4", "旅游企业台帐（按累计比较）", "（累比%）"},
        {"OptSameTerm", "Option8", "region_same_period.tsv", "3_3", "旅游企业台帐（按同期比较）", "（同比%）"}};
    // clang-format on
    for (const auto& r : runs) {
        d.Choose(r.mode);
        d.Choose(r.grouping);
        d.Click("CmdExe");
        EXPECT_EQ(d.TakeMessages(), QStringList{"计算完成！"}) << r.reference;
        LedgerFixture::ExpectReference(d.Folder(), r.reference);
        // the comparison pass hands the year back for the next row and the next run
        EXPECT_EQ(d.Window().Condition().YearStat, 2006) << r.reference;

        d.Click("CmdPrint");
        EXPECT_EQ(print->TableCode + print->title, QLatin1String(r.code) + QString::fromUtf8(r.title));
        QStringList expected;
        for (const char* caption : {"客房+餐饮收入", "接待人数", "营业收入", "客房数"})
            expected << QString::fromUtf8(caption) + QString::fromUtf8(r.suffix);
        EXPECT_EQ(Headings(print), expected + QStringList(4, QString())) << r.mode;
    }

    // the print window shows the last run's rows, the comparison ratios in percent with two
    // decimals: 长沙 (15+5 + 8+2) against (12+4 + 6+2) is 30 / 24 - 1, printed 25.00
    ASSERT_TRUE(print->isVisible());
    const ReportDocument* report = print->Report();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->Title(), "旅游企业台帐（按同期比较）");
    EXPECT_EQ(report->Text("h1"), "客房+餐饮收入（同比%）");
    // under the title, what the last run computed, with the window's regions in order
    EXPECT_TRUE(report->RunLine().startsWith(QStringLiteral("2006年3月 · 住宿设施 · 湖南省、"))) << report->RunLine().toStdString();
    ASSERT_EQ(report->Rows().size(), 4);
    EXPECT_EQ(report->Rows()[2],
              (QStringList{"长沙市", "25.00", "25.00", "32.14", "0.00", "", "", "", ""}));
}

// Nothing runs without a period; a failed run is shown, leaves no ledger behind, and the window
// goes on working; an empty row list or no columns give empty values.
TEST(TuTallixRunning, RefusedFailedAndEmptyRuns)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({"4301"});
    d.Folder().Own("INSERT INTO type22 (value1) VALUES ('上次')");
    d.Type("TxtYear", "2006");
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{"年月不能为空"});
    EXPECT_EQ(QApplication::focusWidget(), d.Find("TxtYear"));
    EXPECT_EQ(d.LedgerRows().size(), 1);

    const QString unreadable =
        "UPDATE Base05 SET InTourist='%1' WHERE code='B1002' AND TableDate='2006-03-01'";
    d.Folder().Source(unreadable.arg("十二"));
    d.SetPeriod("2006", "3");
    d.Click("CmdExe");
    QStringList shown = d.TakeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("Base05") && shown[0].contains("InTourist")) << shown[0].toStdString();
    EXPECT_TRUE(d.LedgerRows().isEmpty());

    // a dictionary naming a column the return lacks
    d.Folder().Source(unreadable.arg("80") +
                      ";INSERT INTO dic_base06 (content, fieldname) VALUES ('坏项', 'NoSuchColumn')");
    d.ComposeItem(TuTallixDriver::Base06, 3);
    d.Click("CmdQuit");
    d.Click("CmdExe");
    shown = d.TakeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("NoSuchColumn")) << shown[0].toStdString();
    EXPECT_TRUE(d.LedgerRows().isEmpty());

    d.Delete("FlexGridItem", 5, "CmdDelItem");
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{"计算完成！"});
    EXPECT_EQ(d.LedgerRows().size(), 2);

    d.Choose("Option9"); // no enterprise chosen
    d.Click("CmdExe");
    EXPECT_EQ(d.LedgerRows(), QStringList{LedgerFixture::EmptyTotal});
    d.Choose("Option8");
    for (int i = 0; i < 4; ++i)
        d.Delete("FlexGridItem", 1, "CmdDelItem");
    d.Click("CmdExe");
    EXPECT_EQ(d.LedgerRows(), (QStringList{LedgerFixture::EmptyTotal, "长沙市\t\t\t\t\t\t\t\t\t<null>"}));

    // without columns every heading is empty; the rows print all the same
    d.Click("CmdPrint");
    tableprint* print = tableprint::Shared();
    const auto closed = qScopeGuard([print] { print->close(); });
    EXPECT_EQ(Headings(print), QStringList(8, QString()));
    ASSERT_TRUE(print->Report());
    EXPECT_EQ(print->Report()->Rows().size(), 2);
}

// The printed ledger names what its rows are; an enterprise carries its code beside its name
// (the stored rows keep the name alone), and the grids show the codes whole.
TEST(TuTallixRunning, PrintedRowsSayWhatTheyAreAndCodesStayWhole)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({"43", "4301"});
    d.AddEnterprises({"B1001", "B2001"});
    d.SetPeriod("2006", "03");
    tableprint* print = tableprint::Shared();
    const auto closed = qScopeGuard([print] { print->close(); });
    for (const char* grid : {"FlexGridArea", "FlexGridCompany"}) {
        FlexGrid* g = d.Find<FlexGrid>(grid);
        for (int r = 1; r < g->Rows(); ++r)
            EXPECT_GE(g->columnWidth(0), g->fontMetrics().horizontalAdvance(g->TextMatrix(r, 0))) << grid;
    }
    const struct
    {
        const char* grouping;
        const char* heading;
        QStringList names;
    } cases[] = {{"Option8", "地区", {"合计", "湖南省", "长沙市"}},
                 {"Option9", "企业", {"合计", "B1001 ", "B2001 "}}};
    for (const auto& c : cases) {
        d.Choose("OptCurrent");
        d.Choose(c.grouping);
        d.Click("CmdExe");
        d.Click("CmdPrint");
        const ReportDocument* report = print->Report();
        ASSERT_TRUE(report);
        EXPECT_EQ(report->Text("Text1"), QString::fromUtf8(c.heading));
        ASSERT_EQ(report->Rows().size(), c.names.size());
        for (int r = 0; r < c.names.size(); ++r)
            EXPECT_TRUE(report->At(r, 0).Text.startsWith(c.names[r])) << report->At(r, 0).Text.toStdString();
    }
    EXPECT_FALSE(d.LedgerRows().join('\n').contains(QStringLiteral("B1001 ")));
}

} // namespace
