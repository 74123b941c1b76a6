#include "TuTallix.h"
#include "FlexGrid.h"
#include "LedgerFixture.h"
#include "TuTallixDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString TooMany = QStringLiteral("因最多只处理8项，所以建议先删除一部分再添加");

TEST(TuTallixWindow, LoadsWithAccommodationBothBoxesCurrentModeAndRegionGrouping)
{
    TuTallixDriver d;
    EXPECT_EQ(d.Window().objectName(), QStringLiteral("TuTallix"));
    EXPECT_EQ(d.Window().windowTitle(), QStringLiteral("旅游企业台帐"));
    EXPECT_TRUE(d.Find<QRadioButton>("OptAccom")->isChecked());
    EXPECT_TRUE(d.Find<QRadioButton>("OptCurrent")->isChecked());
    EXPECT_TRUE(d.Find<QRadioButton>("Option8")->isChecked());
    EXPECT_TRUE(d.Find<QCheckBox>("ChKRestaurant")->isChecked());
    EXPECT_TRUE(d.Find<QCheckBox>("ChkOther")->isChecked());
    EXPECT_FALSE(d.Find<QCheckBox>("ChkInternation")->isEnabled());
    EXPECT_FALSE(d.Find<QCheckBox>("ChkNation")->isEnabled());
    EXPECT_FALSE(d.Find<QGroupBox>("Frame9")->isVisible());
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridItem")->TextMatrix(0, 0), QStringLiteral("          栏目名称"));
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridSubItem")->TextMatrix(0, 0), QStringLiteral("         栏目名称"));
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridArea")->TextMatrix(0, 1), QStringLiteral("地区名称"));
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridCompany")->TextMatrix(0, 0), QStringLiteral("企业代号"));
    // only the caption column of the item grid shows
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridItem")->ColWidth(1), 0);
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridItem")->ColWidth(2), 0);
    EXPECT_TRUE(d.TakeMessages().isEmpty());
}

struct UnitCase
{
    const char* option;
    QList<const char*> untick; // boxes the user unticks after choosing the option
    QList<const char*> tick;
    const char* codeHead;
    const char* subType;
};

class TuTallixUnitType : public testing::TestWithParam<UnitCase>
{
};

// The unit options and their boxes as the run hands them to the query.
TEST_P(TuTallixUnitType, RunSetsCodeHeadAndSubType)
{
    TuTallixDriver d;
    d.Choose(GetParam().option);
    for (const char* box : GetParam().untick)
        d.Find<QCheckBox>(box)->setChecked(false);
    for (const char* box : GetParam().tick)
        d.Find<QCheckBox>(box)->setChecked(true);
    d.Type("TxtYear", QStringLiteral("2006"));
    d.Type("TxtMonth", QStringLiteral("3"));
    d.Click("CmdExe");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("计算完成！")});
    EXPECT_EQ(d.Window().Condition().CodeHead, QLatin1String(GetParam().codeHead));
    EXPECT_EQ(d.Window().Condition().SubType, QLatin1String(GetParam().subType));
}

INSTANTIATE_TEST_SUITE_P(
    Options, TuTallixUnitType,
    testing::Values(UnitCase{"OptAccom", {}, {}, "B", ""}, UnitCase{"OptAccom", {"ChkOther"}, {}, "B", "1"},
                    UnitCase{"OptAccom", {"ChKRestaurant"}, {}, "B", "2"},
                    UnitCase{"OptAccom", {"ChKRestaurant", "ChkOther"}, {}, "B", ""},
                    UnitCase{"OptTu", {}, {}, "A", ""}, UnitCase{"OptTu", {}, {"ChkInternation"}, "A", "1"},
                    UnitCase{"OptTu", {}, {"ChkNation"}, "A", "2"},
                    UnitCase{"OptTu", {}, {"ChkNation", "ChkInternation"}, "A", ""},
                    UnitCase{"OptTuArea", {}, {}, "C", ""}, UnitCase{"OptOther", {}, {}, "D", ""}));

TEST(TuTallixWindow, UnitOptionsEnableTheirBoxesAndUntickTheOthers)
{
    TuTallixDriver d;
    d.Choose("OptTu");
    EXPECT_FALSE(d.Find<QCheckBox>("ChKRestaurant")->isEnabled());
    EXPECT_FALSE(d.Find<QCheckBox>("ChKRestaurant")->isChecked());
    EXPECT_FALSE(d.Find<QCheckBox>("ChkOther")->isChecked());
    EXPECT_TRUE(d.Find<QCheckBox>("ChkInternation")->isEnabled());
    d.Find<QCheckBox>("ChkInternation")->setChecked(true);
    d.Choose("OptTuArea");
    for (const char* box : {"ChKRestaurant", "ChkOther", "ChkInternation", "ChkNation"}) {
        EXPECT_FALSE(d.Find<QCheckBox>(box)->isEnabled()) << box;
        EXPECT_FALSE(d.Find<QCheckBox>(box)->isChecked()) << box;
    }
    d.Choose("OptAccom");
    EXPECT_TRUE(d.Find<QCheckBox>("ChKRestaurant")->isEnabled());
    EXPECT_FALSE(d.Find<QCheckBox>("ChKRestaurant")->isChecked());
}

TEST(TuTallixItems, AddingStateLocksTheWindowAndListsTheReturnsOfTheUnitType)
{
    TuTallixDriver d;
    d.Click("CmdAddItem");
    EXPECT_TRUE(d.Find<QGroupBox>("Frame9")->isVisible());
    for (const char* locked : {"Frame2", "Frame3", "Frame4", "Frame5", "CmdCancle", "CmdExe", "CmdPrint"})
        EXPECT_FALSE(d.Find<QWidget>(locked)->isEnabled()) << locked;
    auto* tables = d.Find<QComboBox>("CmbSel");
    ASSERT_EQ(tables->count(), 3);
    EXPECT_EQ(tables->itemText(0), QStringLiteral("饭店月度经营情况"));
    EXPECT_EQ(tables->itemText(2), QStringLiteral("企业基本情况"));
    EXPECT_EQ(tables->currentIndex(), -1);
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridSubItem")->Rows(), 1);

    tables->setCurrentIndex(1);
    EXPECT_EQ(d.Find<QComboBox>("cmbTablename")->currentText(), QStringLiteral("Base06"));
    EXPECT_EQ(d.GridRows("FlexGridSubItem"), (QStringList{QStringLiteral("营业收入\tOperationIncome\tBase06"),
                                                          QStringLiteral("利润总额\tProfitTotal\tBase06")}));

    d.Click("CmdQuit");
    EXPECT_FALSE(d.Find<QGroupBox>("Frame9")->isVisible());
    for (const char* unlocked : {"Frame2", "Frame3", "Frame4", "Frame5", "CmdCancle", "CmdExe", "CmdPrint"})
        EXPECT_TRUE(d.Find<QWidget>(unlocked)->isEnabled()) << unlocked;

    // travel agencies have their own return
    d.Choose("OptTu");
    d.Click("CmdAddItem");
    ASSERT_EQ(tables->count(), 1);
    tables->setCurrentIndex(0);
    EXPECT_EQ(d.GridRows("FlexGridSubItem").value(1), QStringLiteral("接待人次\tReceptionPersons\tBase04"));
}

TEST(TuTallixItems, EightItemsAtMostTheSameOneTwiceAndNothingWithoutASelection)
{
    TuTallixDriver d;
    d.Click("CmdAddItem");
    d.Find<QComboBox>("CmbSel")->setCurrentIndex(TuTallixDriver::Base05);
    d.Click("CmdAddSubItem"); // no sub-item selected
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridItem")->Rows(), 1);
    for (int i = 0; i < 8; ++i)
        d.ComposeItem(TuTallixDriver::Base05, 1 + i % 3);
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    ASSERT_EQ(d.Find<FlexGrid>("FlexGridItem")->Rows(), 9);
    EXPECT_EQ(d.GridRows("FlexGridItem").value(3),
              QStringLiteral("客房+餐饮收入\tRoomIncome+RestaurantIncome\tBase05"));

    d.ComposeItem(TuTallixDriver::Base06, 1);
    EXPECT_EQ(d.TakeMessages(), QStringList{TooMany});
    EXPECT_EQ(d.Find<FlexGrid>("FlexGridItem")->Rows(), 9);
}

TEST(TuTallixItems, DeletingAnItemMovesTheRowsBelowAndTheirOriginsUp)
{
    TuTallixDriver d;
    // a stored configuration brings its origins along
    d.Folder().Own(
        QStringLiteral("INSERT INTO Aca (condition, item, \"table\", dictable, fieldname, tablename) VALUES "
                       "('三项!', '甲', 'T1', 'D1', 'RoomIncome', 'Base05'), ('三项!', '乙', 'T2', 'D2', "
                       "'InTourist', 'Base05'), "
                       "('三项!', '丙', 'T3', 'D3', 'OperationIncome', 'Base06');"
                       "INSERT INTO Aca (condition, year, month, classifaca, shu, \"group\") VALUES "
                       "('三项', '2006', '3', '住宿设施', '按本期数值', '按地区分组')"));
    auto* list = d.Find<QListWidget>("List1");
    list->addItem(QStringLiteral("三项")); // stored after the window loaded its list
    list->setCurrentRow(list->count() - 1);
    d.Click("CmdOpen");
    ASSERT_EQ(d.GridRows("FlexGridItem").size(), 3);
    EXPECT_EQ(d.Window().ItemOrigins()[1],
              (TuTallix::ItemOrigin{QStringLiteral("D2"), QStringLiteral("T2")}));

    d.SelectRow("FlexGridItem", 2);
    d.Click("CmdDelItem");
    EXPECT_EQ(d.GridRows("FlexGridItem"), (QStringList{QStringLiteral("甲\tRoomIncome\tBase05"),
                                                       QStringLiteral("丙\tOperationIncome\tBase06")}));
    EXPECT_EQ(d.Window().ItemOrigins()[0],
              (TuTallix::ItemOrigin{QStringLiteral("D1"), QStringLiteral("T1")}));
    EXPECT_EQ(d.Window().ItemOrigins()[1],
              (TuTallix::ItemOrigin{QStringLiteral("D3"), QStringLiteral("T3")}));

    // the last row simply goes; an item added in the window has no origin
    d.SelectRow("FlexGridItem", 2);
    d.Click("CmdDelItem");
    d.ComposeItem(TuTallixDriver::Base05, 2);
    EXPECT_EQ(d.GridRows("FlexGridItem").value(1), QStringLiteral("接待人数\tInTourist\tBase05"));
    EXPECT_EQ(d.Window().ItemOrigins()[1], TuTallix::ItemOrigin());
    EXPECT_EQ(d.Window().ItemOrigins()[0],
              (TuTallix::ItemOrigin{QStringLiteral("D1"), QStringLiteral("T1")}));

    // with the header selected nothing goes
    d.Click("CmdQuit");
    d.SelectRow("FlexGridItem", 0);
    d.Click("CmdDelItem");
    EXPECT_EQ(d.GridRows("FlexGridItem").size(), 2);
}

TEST(TuTallixRows, RegionsByTypedNumberWithTheirMessages)
{
    TuTallixDriver d;
    d.AddRegions(
        {QStringLiteral("43"), QStringLiteral("4302"), QStringLiteral("430100"), QStringLiteral("43")});
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridArea"),
              (QStringList{QStringLiteral("430000\t湖南省"), QStringLiteral("430200\t株洲市"),
                           QStringLiteral("430100\t长沙市"), QStringLiteral("430000\t湖南省")}));
    EXPECT_TRUE(d.Find<QLineEdit>("txtRegionKey")->text().isEmpty());

    d.AddRegions({QStringLiteral("45")});
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("没有这个地区码")});
    EXPECT_TRUE(d.Find<QLineEdit>("txtRegionKey")->text().isEmpty());
    d.AddRegions({QString()});
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("地区码不能为空")});
    EXPECT_EQ(QApplication::focusWidget(), d.Find<QLineEdit>("txtRegionKey"));
    EXPECT_EQ(d.GridRows("FlexGridArea").size(), 4);

    d.SelectRow("FlexGridArea", 2);
    d.Click("CmdDelRegion");
    EXPECT_EQ(d.GridRows("FlexGridArea"),
              (QStringList{QStringLiteral("430000\t湖南省"), QStringLiteral("430100\t长沙市"),
                           QStringLiteral("430000\t湖南省")}));
    d.SelectRow("FlexGridArea", 0);
    d.Click("CmdDelRegion");
    EXPECT_EQ(d.GridRows("FlexGridArea").size(), 3);
    d.Click("Command1");
    EXPECT_TRUE(d.GridRows("FlexGridArea").isEmpty());
}

TEST(TuTallixRows, EnterprisesOfARegionAndByCodeWithTheirMessages)
{
    TuTallixDriver d;
    d.Type("Text5", QStringLiteral("4302"));
    d.Click("CmdAddArea");
    EXPECT_EQ(d.GridRows("FlexGridCompany"),
              (QStringList{QStringLiteral("B2001\t株洲招待所"), QStringLiteral("B1003\t株洲大酒店")}));
    EXPECT_TRUE(d.Find<QLineEdit>("Text5")->text().isEmpty());
    d.Click("CmdClearCompany");

    // a province number takes every enterprise whose region code begins with its two digits
    d.Type("Text5", QStringLiteral("43"));
    d.Click("CmdAddArea");
    EXPECT_EQ(d.GridRows("FlexGridCompany").size(), 8);
    EXPECT_FALSE(d.GridRows("FlexGridCompany").contains(QStringLiteral("B1009\t广州宾馆")));
    d.Click("CmdClearCompany");

    d.Type("Text5", QStringLiteral("45"));
    d.Click("CmdAddArea");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("没有这个地区码")});
    EXPECT_TRUE(d.Find<QLineEdit>("Text5")->text().isEmpty());
    d.Click("CmdAddArea");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("地区码不能为空")});

    d.Type("Text6", QStringLiteral(" B1001 "));
    d.Click("CmdAddCompany");
    d.Type("Text6", QStringLiteral("A0001"));
    d.Click("CmdAddCompany");
    d.Type("Text6", QStringLiteral("E0001"));
    d.Click("CmdAddCompany");
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridCompany"),
              (QStringList{QStringLiteral("B1001\t芙蓉宾馆"), QStringLiteral("A0001\t湖南国际旅行社"),
                           QStringLiteral("E0001\t湘绣博物馆")}));

    // an apostrophe in a typed code is part of the code, not of the statement
    for (const QString& unknown : {QStringLiteral("X9"), QStringLiteral("B1'1")}) {
        d.Type("Text6", unknown);
        d.Click("CmdAddCompany");
        EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("没有这个企业码")}) << unknown.toStdString();
        EXPECT_TRUE(d.Find<QLineEdit>("Text6")->text().isEmpty());
    }
    d.Click("CmdAddCompany");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("地区码不能为空")});

    d.SelectRow("FlexGridCompany", 1);
    d.Click("CmdDelCompany");
    EXPECT_EQ(d.GridRows("FlexGridCompany"),
              (QStringList{QStringLiteral("A0001\t湖南国际旅行社"), QStringLiteral("E0001\t湘绣博物馆")}));
    d.SelectRow("FlexGridCompany", 2);
    d.Click("CmdDelCompany");
    EXPECT_EQ(d.GridRows("FlexGridCompany"), QStringList{QStringLiteral("A0001\t湖南国际旅行社")});
}

TEST(TuTallixRows, RegionBoxOfTheEnterprisePanelTakesOnlyDigitsPointAndBackspace)
{
    TuTallixDriver d;
    auto* box = d.Find<QLineEdit>("Text5");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("4a3 -0.x2"));
    EXPECT_EQ(box->text(), QStringLiteral("430.2"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("430."));
    // Text6 has no filter
    auto* code = d.Find<QLineEdit>("Text6");
    QTest::keyClicks(code, QStringLiteral("B1-x"));
    EXPECT_EQ(code->text(), QStringLiteral("B1-x"));
}

struct ValidateCase
{
    const char* box;
    const char* text;
    const char* message; // nullptr: accepted
};

class TuTallixValidation : public testing::TestWithParam<ValidateCase>
{
};

TEST_P(TuTallixValidation, LeavingTheBox)
{
    TuTallixDriver d;
    auto* box = d.Find<QLineEdit>(GetParam().box);
    d.Type(GetParam().box, QString::fromUtf8(GetParam().text));
    QTest::keyClick(box, Qt::Key_Tab);
    if (GetParam().message) {
        EXPECT_EQ(d.TakeMessages(), QStringList{QString::fromUtf8(GetParam().message)});
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
    } else {
        EXPECT_TRUE(d.TakeMessages().isEmpty());
        EXPECT_NE(QApplication::focusWidget(), box);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TuTallixValidation,
    testing::Values(
        ValidateCase{"TxtYear", "2005", nullptr}, ValidateCase{"TxtYear", "", nullptr},
        ValidateCase{"TxtYear", "3005", "请输入正确年份"}, ValidateCase{"TxtYear", "205", "请输入正确年份"},
        ValidateCase{"TxtYear", "20051", "请输入正确年份"}, ValidateCase{"TxtMonth", "9", nullptr},
        ValidateCase{"TxtMonth", "09", nullptr}, ValidateCase{"TxtMonth", "12", nullptr},
        ValidateCase{"TxtMonth", "0", "请输入正确月份"}, ValidateCase{"TxtMonth", "13", "请输入正确月份"},
        ValidateCase{"TxtMonth", "1a", "请输入正确月份"}, ValidateCase{"txtRegionKey", "4301", nullptr},
        ValidateCase{"txtRegionKey", "43x", "请输入正确数据！"}));

TEST(TuTallixWindow, CancelHidesTheThreeAnalysisWindowsAndKeepsTheirContents)
{
    TuTallixDriver d;
    QWidget* hotel = d.Mother().ShowAnalysis(MotherForm::Analysis::Restaurant);
    QWidget* annual = d.Mother().ShowAnalysis(MotherForm::Analysis::TourUnit);
    d.Mother().ShowAnalysis(MotherForm::Analysis::TuTallix);
    d.AddRegions({QStringLiteral("43")});
    d.Click("CmdCancle");
    EXPECT_FALSE(hotel->parentWidget()->isVisible());
    EXPECT_FALSE(annual->parentWidget()->isVisible());
    EXPECT_FALSE(d.Window().parentWidget()->isVisible());
    EXPECT_EQ(d.Mother().ShowAnalysis(MotherForm::Analysis::TuTallix), &d.Window());
    EXPECT_EQ(d.GridRows("FlexGridArea"), QStringList{QStringLiteral("430000\t湖南省")});
}

} // namespace
