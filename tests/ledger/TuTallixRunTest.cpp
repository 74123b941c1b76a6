#include "FlexGrid.h"
#include "LedgerFixture.h"
#include "ReportDocument.h"
#include "TuTallix.h"
#include "TuTallixDriver.h"
#include "tableprint.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString Done = QStringLiteral("计算完成！");
const QStringList AccommodationCaptions{QStringLiteral("客房+餐饮收入"), QStringLiteral("接待人数"),
                                        QStringLiteral("营业收入"), QStringLiteral("客房数")};

void SetPeriod(TuTallixDriver& d, const QString& year, const QString& month)
{
    d.Type("TxtYear", year);
    d.Type("TxtMonth", month);
}

void AddEnterprises(TuTallixDriver& d, const QStringList& codes)
{
    for (const QString& code : codes) {
        d.Type("Text6", code);
        d.Click("CmdAddCompany");
    }
}

// The print window as the ledger left it; closed again when the test ends.
struct PrintWindow
{
    ~PrintWindow() { tableprint::Shared()->close(); }
    tableprint* operator->() const { return tableprint::Shared(); }
    QStringList Items() const
    {
        const tableprint* p = tableprint::Shared();
        return {p->item1, p->item2, p->item3, p->item4, p->item5, p->item6, p->item7, p->item8};
    }
};

struct RunCase
{
    const char* reference;
    const char* mode;
    bool byRegion;
};

class TuTallixRun : public testing::TestWithParam<RunCase>
{
};

// Typed, composed and clicked as a user would: the rows equal those the ledger pass gives
// for the same columns, rows and mode.
TEST_P(TuTallixRun, WritesTheReferenceLedger)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    if (GetParam().byRegion) {
        d.AddRegions({QStringLiteral("43"), QStringLiteral("4301"), QStringLiteral("4302")});
    } else {
        d.Choose("Option9");
        AddEnterprises(d, {QStringLiteral("B1001"), QStringLiteral("B1002"), QStringLiteral("B2001"),
                           QStringLiteral("B1003")});
    }
    d.Choose(GetParam().mode);
    SetPeriod(d, QStringLiteral("2006"), QStringLiteral("03"));
    d.Click("CmdExe");

    EXPECT_EQ(d.TakeMessages(), QStringList{Done});
    const QString difference = LedgerFixture::CompareWithReference(LedgerFixture::LedgerRows(d.Folder()),
                                                                   QString::fromLatin1(GetParam().reference));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
    // the comparison pass hands the year back for the next row and the next run
    EXPECT_EQ(d.Window().Condition().YearStat, 2006);
}

INSTANTIATE_TEST_SUITE_P(Modes, TuTallixRun,
                         testing::Values(RunCase{"region_current.tsv", "OptCurrent", true},
                                         RunCase{"region_cumulative.tsv", "OptAccumu", true},
                                         RunCase{"region_same_period.tsv", "OptSameTerm", true},
                                         RunCase{"region_cumulative_comparison.tsv", "OptAccumuCom", true},
                                         RunCase{"enterprise_cumulative_comparison.tsv", "OptAccumuCom",
                                                 false}),
                         [](const testing::TestParamInfo<RunCase>& info) {
                             std::string name = info.param.reference;
                             return name.substr(0, name.find('.'));
                         });

TEST(TuTallixRunning, WithoutPeriodNothingRuns)
{
    TuTallixDriver d;
    d.AddRegions({QStringLiteral("43")});
    d.Folder().Own(QStringLiteral("INSERT INTO type22 (value1) VALUES ('上次')"));
    d.Type("TxtYear", QStringLiteral("2006"));
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("年月不能为空")});
    EXPECT_EQ(QApplication::focusWidget(), d.Find<QLineEdit>("TxtYear"));
    EXPECT_EQ(LedgerFixture::LedgerRows(d.Folder()).size(), 1);
}

TEST(TuTallixRunning, EmptyGridOrNoColumnsGiveEmptyValues)
{
    TuTallixDriver d;
    SetPeriod(d, QStringLiteral("2006"), QStringLiteral("3"));
    d.ComposeAccommodationItems();
    d.Choose("Option9"); // no enterprise chosen
    d.AddRegions({QStringLiteral("43")});
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{Done});
    EXPECT_EQ(LedgerFixture::LedgerRows(d.Folder()),
              QStringList{QStringLiteral("合计\t\t\t\t\t\t\t\t\t<null>")});

    d.Choose("Option8");
    for (int i = 0; i < 4; ++i) {
        d.SelectRow("FlexGridItem", 1);
        d.Click("CmdDelItem");
    }
    d.Click("CmdExe");
    EXPECT_EQ(LedgerFixture::LedgerRows(d.Folder()),
              (QStringList{QStringLiteral("合计\t\t\t\t\t\t\t\t\t<null>"),
                           QStringLiteral("湖南省\t\t\t\t\t\t\t\t\t<null>")}));
}

TEST(TuTallixRunning, ADatabaseFailureIsShownAndLeavesNoLedgerBehind)
{
    TuTallixDriver d;
    SetPeriod(d, QStringLiteral("2006"), QStringLiteral("3"));
    d.ComposeAccommodationItems();
    d.AddRegions({QStringLiteral("43")});
    d.Click("CmdExe");
    ASSERT_EQ(d.TakeMessages(), QStringList{Done});
    ASSERT_EQ(LedgerFixture::LedgerRows(d.Folder()).size(), 2);

    // a dictionary naming a column the return lacks
    d.Folder().Source(
        QStringLiteral("INSERT INTO dic_base06 (content, fieldname) VALUES ('坏项', 'NoSuchColumn')"));
    d.ComposeItem(TuTallixDriver::Base06, 3);
    d.Click("CmdQuit");
    d.Click("CmdExe");
    const QStringList shown = d.TakeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("NoSuchColumn"))) << shown[0].toStdString();
    EXPECT_TRUE(LedgerFixture::LedgerRows(d.Folder()).isEmpty());

    // the window goes on working
    d.SelectRow("FlexGridItem", 5);
    d.Click("CmdDelItem");
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{Done});
    EXPECT_EQ(LedgerFixture::LedgerRows(d.Folder()).size(), 2);
}

TEST(TuTallixRunning, AnUnreadableTextValueNamesTableAndColumn)
{
    TuTallixDriver d;
    d.Folder().Source(
        QStringLiteral("UPDATE Base05 SET InTourist='十二' WHERE code='B1002' AND TableDate='2006-03-01'"));
    SetPeriod(d, QStringLiteral("2006"), QStringLiteral("3"));
    d.ComposeAccommodationItems();
    d.AddRegions({QStringLiteral("4301")});
    d.Click("CmdExe");
    const QStringList shown = d.TakeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("Base05"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("InTourist"))) << shown[0].toStdString();
    EXPECT_TRUE(LedgerFixture::LedgerRows(d.Folder()).isEmpty());
}

struct PrintCase
{
    const char* mode;
    const char* code;
    const char* title;
    const char* suffix;
};

class TuTallixPrintModes : public testing::TestWithParam<PrintCase>
{
};

// The headings follow the option and the items as they stand when "打印" is pressed.
TEST_P(TuTallixPrintModes, CodeTitleAndHeadingSuffix)
{
    TuTallixDriver d;
    PrintWindow print;
    d.ComposeAccommodationItems();
    d.Choose(GetParam().mode);
    d.Click("CmdPrint");
    EXPECT_EQ(print->TableCode, QLatin1String(GetParam().code));
    EXPECT_EQ(print->title, QString::fromUtf8(GetParam().title));
    QStringList expected;
    for (const QString& caption : AccommodationCaptions)
        expected << caption + QString::fromUtf8(GetParam().suffix);
    expected << ""
             << ""
             << ""
             << "";
    EXPECT_EQ(print.Items(), expected);

    // fewer items later: the headings of the missing ones are emptied
    for (int i = 0; i < 4; ++i) {
        d.SelectRow("FlexGridItem", 1);
        d.Click("CmdDelItem");
    }
    d.Click("CmdPrint");
    EXPECT_EQ(print.Items(), QStringList(8, QString()));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TuTallixPrintModes,
    testing::Values(PrintCase{"OptCurrent", "3_1", "旅游企业台帐（按本期数值）", ""},
                    PrintCase{"OptAccumu", "3_2", "旅游企业台帐（按累计数值）", ""},
                    PrintCase{"OptSameTerm", "3_3", "旅游企业台帐（按同期比较）", "（同比%）"},
                    PrintCase{"OptAccumuCom", "3_4", "旅游企业台帐（按累计比较）", "（累比%）"}));

TEST(TuTallixPrinting, ComparisonValuesArePlainRatiosUnderSuffixedHeadings)
{
    TuTallixDriver d;
    PrintWindow print;
    SetPeriod(d, QStringLiteral("2006"), QStringLiteral("3"));
    d.ComposeItem(TuTallixDriver::Base05, 1);
    d.Click("CmdQuit");
    d.AddRegions({QStringLiteral("4301")});
    d.Choose("OptSameTerm");
    d.Click("CmdExe");
    d.Click("CmdPrint");
    // the print window shows the rows of the run under the window's title and headings
    ASSERT_TRUE(print->isVisible());
    const ReportDocument* report = print->Report();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->Title(), QStringLiteral("旅游企业台帐（按同期比较）"));
    EXPECT_EQ(report->Text(QStringLiteral("h1")), QStringLiteral("客房+餐饮收入（同比%）"));
    EXPECT_EQ(report->Text(QStringLiteral("h2")), QString());
    ASSERT_EQ(report->Rows().size(), 2);
    EXPECT_EQ(report->Rows()[1].value(0), QStringLiteral("长沙市"));
    // 长沙: (15+5 + 8+2) against (12+4 + 6+2): 30 / 24 - 1
    EXPECT_EQ(report->Rows()[1].value(1), QStringLiteral("0.25"));
}

} // namespace
