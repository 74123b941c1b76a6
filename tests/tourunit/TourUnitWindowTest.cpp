#include "AnnualFixture.h"
#include "ControlArray.h"
#include "ReportDocument.h"
#include "TourUnitWindowFixture.h"
#include "tableprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

const QString Done = QStringLiteral("计算完成");

TEST_F(TourUnitWindowTest, EveryControlCarriesItsNameAndCaption)
{
    EXPECT_EQ(Window().objectName(), QStringLiteral("TourUnit"));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("旅游单位综合年报表"));

    for (const char* name : {"txtYear", "txtRegionKey", "txtSave"})
        EXPECT_TRUE(Box(name)) << name;
    const struct
    {
        const char* name;
        const char* caption;
    } buttons[] = {{"cmdAddnewRegion", "添加"}, {"cmdDelRegion", "删除"}, {"cmdSave", "存储"},
                   {"cmdOpen", "打开"},         {"cmdDel", "删除"},       {"cmdType", "报表打印"},
                   {"cmdCreate", "生成报表"},   {"cmdExit", "关    闭"}};
    for (const auto& b : buttons) {
        auto* button = Control<QPushButton>(b.name);
        ASSERT_TRUE(button) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
    }
    EXPECT_EQ(Control<QCheckBox>("ChkAllSelect")->text(), QStringLiteral("全部选定"));

    QStringList groups;
    for (const QGroupBox* group : Window().findChildren<QGroupBox*>())
        groups << group->title();
    EXPECT_EQ(groups, (QStringList{"日期", "地区分类", "存储条件", "报表打印"}));

    QStringList labels;
    for (const QLabel* label : Window().findChildren<QLabel*>())
        labels << label->text();
    for (const char* text :
         {"年（YYYY）：", "新 地 区：", "已有地区", "请选择要打印的报表：", "报表ID", "         报表名称"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;

    EXPECT_EQ(Grid("FlexGrid")->Cols(), 2);
    EXPECT_EQ(Grid("FlexGrid")->TextMatrix(0, 0), QStringLiteral("地区代号"));
    EXPECT_EQ(Grid("FlexGrid")->TextMatrix(0, 1), QStringLiteral("地区名称"));
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);
    EXPECT_EQ(Grid("MSfgSave")->Cols(), 1);
    EXPECT_EQ(Grid("MSfgSave")->TextMatrix(0, 0), QStringLiteral("条件名称"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
}

TEST_F(TourUnitWindowTest, ReportListShowsEveryTableWithItsIdentifier)
{
    const QStringList ids = {"R2_1_1", "R2_1_1A", "R2_1_1B", "R2_1_1C", "R2_1_1D", "R2_1_2", "R2_1_3",
                             "R2_1_4", "R2_1_5",  "R2_1_6",  "R2_1_7",  "R2_1_8",  "R2_1_9"};
    const QStringList captions = {"旅游企业经济指标（按行业分）",
                                  "旅游企业基本单位数",
                                  "旅游企业从业人员情况",
                                  "旅游企业固定资产情况",
                                  "旅游企业主要经济指标",
                                  "旅游企业主要经济指标（按地区分）",
                                  "旅行社主要经济指标（按地区分）",
                                  "国际旅行社主要经济指标（按地区分）",
                                  "国内旅行社主要经济指标（按地区分）",
                                  "旅游饭店主要经济指标（按地区分）",
                                  "内资饭店主要经济指标（按地区分）",
                                  "外资饭店主要经济指标（按地区分）",
                                  "旅游区点主要经济指标（按地区分）"};
    for (int i = 0; i < 13; ++i) {
        auto* check = ControlArray::Element<QCheckBox>(&Window(), "Check2", i);
        ASSERT_TRUE(check) << i;
        EXPECT_FALSE(check->isChecked());
        const auto* id = ControlArray::Element<QLabel>(&Window(), "lblReportId", i);
        const auto* caption = ControlArray::Element<QLabel>(&Window(), "lblReportName", i);
        ASSERT_TRUE(id && caption) << i;
        EXPECT_EQ(id->text(), ids[i]);
        EXPECT_EQ(caption->text(), captions[i]);
        // identifier and caption stand on the check box's line
        EXPECT_NEAR(id->geometry().center().y(), check->geometry().center().y(), 3) << i;
        EXPECT_NEAR(caption->geometry().center().y(), check->geometry().center().y(), 3) << i;
    }
    EXPECT_FALSE(ControlArray::Element<QCheckBox>(&Window(), "Check2", 13));
}

TEST_F(TourUnitWindowTest, SelectAllTicksAndClearsTheWholeList)
{
    auto* all = Control<QCheckBox>("ChkAllSelect");
    const auto checks = ControlArray::Elements<QCheckBox>(&Window(), "Check2", 13);
    ControlArray::Element<QCheckBox>(&Window(), "Check2", 4)->setChecked(true);

    QTest::mouseClick(all, Qt::LeftButton);
    ASSERT_TRUE(all->isChecked());
    for (const QCheckBox* check : checks)
        EXPECT_TRUE(check->isChecked()) << check->objectName().toStdString();

    QTest::mouseClick(all, Qt::LeftButton);
    for (const QCheckBox* check : checks)
        EXPECT_FALSE(check->isChecked()) << check->objectName().toStdString();
}

struct YearCase
{
    const char* typed;
    const char* message;
    bool focusStays; // the focus-loss check refused the year
};

class YearInput : public TourUnitWindowTest, public ::testing::WithParamInterface<YearCase>
{
};

TEST_P(YearInput, IsCheckedOnLeavingTheBoxAndByTheRun)
{
    Type("txtYear", QString::fromUtf8(GetParam().typed));
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(QApplication::focusWidget() == Box("txtYear"), GetParam().focusStays || messages[0] != Done);
    if (GetParam().focusStays) {
        EXPECT_EQ(Box("txtYear")->selectedText(), Box("txtYear")->text());
    }
    if (messages[0] != Done) {
        EXPECT_TRUE(ResultRows("211").isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    TourUnit, YearInput,
    ::testing::Values(YearCase{"", "年份不能为空", false}, YearCase{"    ", "年份不能为空", false},
                      YearCase{"3000", "请输入正确年份", true}, YearCase{"0999", "请输入正确年份", true},
                      YearCase{"20251", "请输入正确年份", true}, YearCase{"2O25", "请输入正确年份", true},
                      YearCase{"1999", "计算完成", false}, YearCase{" 2025 ", "计算完成", false}));

TEST_F(TourUnitWindowTest, RegionKeyThatIsNoNumberKeepsTheFocus)
{
    Type("txtRegionKey", "43a");
    QTest::keyClick(Box("txtRegionKey"), Qt::Key_Tab);
    EXPECT_EQ(messages, QStringList{"请输入正确数据！"});
    EXPECT_EQ(QApplication::focusWidget(), Box("txtRegionKey"));
    EXPECT_EQ(Box("txtRegionKey")->selectedText(), QStringLiteral("43a"));
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);
}

struct KeyCase
{
    const char* key;
    const char* row; // the grid row added, "" for none
    const char* message;
};

class RegionKey : public TourUnitWindowTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(RegionKey, IsNormalisedAndLookedUp)
{
    AddRegion(QString::fromUtf8(GetParam().key));
    const QString row = QString::fromUtf8(GetParam().row);
    EXPECT_EQ(GridRows("FlexGrid"), row.isEmpty() ? QStringList() : QStringList{row});
    EXPECT_EQ(messages.join('|'), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(QApplication::focusWidget(), Box("txtRegionKey"));
    // a found region leaves the key for the next one; an unknown one empties the box
    const bool unknown = QString::fromUtf8(GetParam().message) == QStringLiteral("没有这个地区码");
    EXPECT_EQ(Box("txtRegionKey")->text(), unknown ? QString() : QString::fromUtf8(GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(
    TourUnit, RegionKey,
    ::testing::Values(KeyCase{"43", "430000\t湖南省", ""}, KeyCase{"430", "430000\t湖南省", ""},
                      KeyCase{"4301", "430100\t长沙市", ""}, KeyCase{"43010", "", "没有这个地区码"},
                      KeyCase{"430102", "430102\t芙蓉区", ""}, KeyCase{"  4302 ", "430200\t株洲市", ""},
                      KeyCase{"", "", "地区码不能为空"}, KeyCase{"   ", "", "地区码不能为空"},
                      KeyCase{"4294967296", "", "请输入正确数据！"},
                      KeyCase{"2147483648", "", "请输入正确数据！"}));

TEST_F(TourUnitWindowTest, AddingTwiceGivesTwoRowsAndRemovingKeepsTheOrder)
{
    for (const char* key : {"43", "4301", "430102", "44", "43"})
        AddRegion(key);
    FlexGrid* grid = Grid("FlexGrid");
    ASSERT_EQ(grid->Rows(), 6);

    grid->SetRow(0); // header: nothing to remove
    Click("cmdDelRegion");
    EXPECT_EQ(grid->Rows(), 6);
    EXPECT_EQ(grid->TextMatrix(0, 0), QStringLiteral("地区代号"));

    grid->SetRow(2);
    Click("cmdDelRegion");
    EXPECT_EQ(GridRows("FlexGrid"),
              (QStringList{"430000\t湖南省", "430102\t芙蓉区", "440000\t广东省", "430000\t湖南省"}));
    grid->SetRow(4);
    Click("cmdDelRegion");
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "430102\t芙蓉区", "440000\t广东省"}));
    for (int i = 0; i < 3; ++i) {
        grid->SetRow(1);
        Click("cmdDelRegion");
    }
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_EQ(grid->TextMatrix(0, 1), QStringLiteral("地区名称"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
}

TEST_F(TourUnitWindowTest, RunWithoutRegionsWritesOnlyTheTotalRowsOfZeros)
{
    Type("txtYear", "2025");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});

    const QString zeros12 = QStringLiteral("0\t").repeated(12);
    const QStringList t211 = ResultRows("211");
    ASSERT_EQ(t211.size(), 9);
    EXPECT_EQ(t211[0], QStringLiteral("     合计\t") + zeros12 + QStringLiteral("211"));
    EXPECT_EQ(t211[8], QStringLiteral("（四）其他旅游企业\t") + zeros12 + QStringLiteral("211"));
    for (const QString& code : AnnualTableCodes().mid(1)) {
        const int values = code == QStringLiteral("211D") ? 6 : code.size() == 4 ? 9 : 12;
        EXPECT_EQ(ResultRows(code),
                  QStringList{QStringLiteral("合计\t") + QStringLiteral("0\t").repeated(values) + code})
            << code.toStdString();
    }
}

TEST_F(TourUnitWindowTest, RunOverTypedRegionsWritesTheReferenceTables)
{
    folder.Own("INSERT INTO type11 (value1, tablecode) VALUES ('旧', '1_1')");
    Type("txtYear", "2025");
    for (const char* key : {"43", "4301", "430102", "44"})
        AddRegion(key);
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});
    ExpectAnnualReference(folder);
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM type11").isEmpty());
    // the grid order is the order of the region rows
    EXPECT_EQ(ResultRows("212").size(), 5);
    EXPECT_TRUE(ResultRows("212")[4].startsWith(QStringLiteral("广东省\t")));

    // a second run replaces the first
    messages.clear();
    Grid("FlexGrid")->SetRow(4);
    Click("cmdDelRegion");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});
    EXPECT_EQ(ResultRows("211").size(), 9);
    EXPECT_EQ(ResultRows("212").size(), 4);
}

TEST_F(TourUnitWindowTest, RegionAddedTwiceIsComputedAndTotalledTwice)
{
    Type("txtYear", "2025");
    AddRegion("44");
    AddRegion("44");
    Click("cmdCreate");
    const QStringList rows = ResultRows("211A");
    ASSERT_EQ(rows.size(), 3);
    // 广东省: one international agency; the total counts it twice
    EXPECT_EQ(rows[0], QStringLiteral("合计\t2\t2\t2\t0\t0\t0\t0\t0\t0\t211A"));
    EXPECT_EQ(rows[1], QStringLiteral("广东省\t1\t1\t1\t0\t0\t0\t0\t0\t0\t211A"));
    EXPECT_EQ(rows[2], rows[1]);
}

class PrintChoice : public TourUnitWindowTest, public ::testing::WithParamInterface<int>
{
};

// The print list comes from the dictionary in its order; each position must print the
// table its entry names.
TEST_P(PrintChoice, PrintsTheTableItsEntryNames)
{
    auto* combo = Control<QComboBox>("Comboprint2");
    ASSERT_EQ(combo->count(), 13);
    const int position = GetParam();
    const QString code = TourUnit::PrintCodes()[position];
    EXPECT_TRUE(combo->itemText(position).startsWith(QStringLiteral("表") + code + QLatin1Char(' ')))
        << combo->itemText(position).toStdString();
}

INSTANTIATE_TEST_SUITE_P(TourUnit, PrintChoice, ::testing::Range(0, 13));

TEST_F(TourUnitWindowTest, PrintingPositionNineShowsTable211AOfTheLastRun)
{
    auto* combo = Control<QComboBox>("Comboprint2");
    EXPECT_EQ(combo->currentIndex(), 0);
    Type("txtYear", "2025");
    AddRegion("4301");
    Click("cmdCreate");

    combo->setCurrentIndex(9);
    Click("cmdType");
    tableprint* print = tableprint::Shared();
    EXPECT_EQ(print->TableCode, QStringLiteral("2-1-1A"));
    EXPECT_TRUE(print->isVisible());
    ASSERT_TRUE(print->Report());
    EXPECT_TRUE(print->Report()->Title().startsWith(QStringLiteral("表2-1-1A")))
        << print->Report()->Title().toStdString();
    EXPECT_EQ(print->Report()->Rows().size(), 2);
    EXPECT_FALSE(print->isModal());
    EXPECT_EQ(messages, QStringList{Done});
}

TEST_F(TourUnitWindowTest, FailedRunIsShownAndLeavesTheLastReportAndAUsableWindow)
{
    Type("txtYear", "2025");
    AddRegion("43");
    Click("cmdCreate");
    ASSERT_EQ(ResultRows("211").size(), 9);

    folder.Source("DROP TABLE Base08");
    messages.clear();
    Click("cmdCreate");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Base08"))) << messages[0].toStdString();
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_EQ(ResultRows("211").size(), 9); // the pass failed before anything was written

    messages.clear();
    AddRegion("44");
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "440000\t广东省"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TourUnitWindowTest, MissingSourceTableOnAddIsShownWithTheGridUnchanged)
{
    AddRegion("43");
    folder.Source("DROP TABLE Area");
    messages.clear();
    AddRegion("44");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Area"))) << messages[0].toStdString();
    EXPECT_EQ(GridRows("FlexGrid"), QStringList{"430000\t湖南省"});
}

} // namespace
