#include "TuTallix.h"
#include "FlexGrid.h"
#include "TuTallixDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QMap>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(TuTallixWindow, LoadsWithAccommodationCurrentModeAndRegions)
{
    TuTallixDriver d;
    for (const char* option : {"OptAccom", "OptCurrent", "Option8"})
        EXPECT_TRUE(d.Checked(option)) << option;
    EXPECT_EQ(d.Ticked(), (QStringList{"ChKRestaurant", "ChkOther"}));
    EXPECT_FALSE(d.Find("ChkInternation")->isEnabled() || d.Find("ChkNation")->isEnabled());
    EXPECT_FALSE(d.Find("Frame9")->isVisible());
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    const auto* items = d.Find<FlexGrid>("FlexGridItem");
    const auto* regions = d.Find<FlexGrid>("FlexGridArea");
    // the caption column fills the item grid; code and name share the region grid 1:2
    EXPECT_EQ(items->columnWidth(0), items->viewport()->width());
    EXPECT_EQ(items->ColWidth(1) + items->ColWidth(2), 0);
    EXPECT_NEAR(regions->columnWidth(0) * 3, regions->viewport()->width(), 3);
    EXPECT_EQ(regions->columnWidth(0) + regions->columnWidth(1), regions->viewport()->width());

    // Tab walks the controls top to bottom, left to right
    d.Find("TxtYear")->setFocus();
    QStringList order{"TxtYear"};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order,
              (QStringList{"TxtYear", "TxtMonth", "OptAccom", "ChKRestaurant", "ChkOther", "FlexGridItem",
                           "CmdAddItem", "CmdDelItem", "OptCurrent", "Option8", "txtRegionKey"}));
}

// Each unit option enables its own boxes and unticks the others; the ticked boxes go to the query.
TEST(TuTallixWindow, UnitOptionsAndBoxesGiveCodeHeadAndSubType)
{
    TuTallixDriver d;
    d.SetPeriod("2006", "3");
    const char* const boxes[] = {"ChKRestaurant", "ChkOther", "ChkInternation", "ChkNation"};
    const QMap<QString, QStringList> own{{"OptAccom", {"ChKRestaurant", "ChkOther"}},
                                         {"OptTu", {"ChkInternation", "ChkNation"}}};
    // clang-format off
    const struct
    {
        const char* option;
        QStringList ticked;
        const char* codeHead;
        const char* subType;
    } cases[] = {
        {"OptTu", {"ChkInternation"}, "A", "1"}, {"OptTu", {"ChkNation"}, "A", "2"}, {"OptTu", {}, "A", ""},
        {"OptTu", {"ChkNation", "ChkInternation"}, "A", ""},
        {"OptAccom", {"ChKRestaurant", "ChkOther"}, "B", ""}, {"OptAccom", {"ChKRestaurant"}, "B", "1"},
        {"OptAccom", {"ChkOther"}, "B", "2"}, {"OptAccom", {}, "B", ""},
        {"OptTuArea", {}, "C", ""}, {"OptOther", {}, "D", ""}};
    // clang-format on
    for (const auto& c : cases) {
        d.Choose(c.option);
        for (const char* box : boxes) {
            const bool enabled = own.value(c.option).contains(box);
            EXPECT_EQ(d.Find(box)->isEnabled(), enabled) << c.option << " " << box;
            if (!enabled) {
                EXPECT_FALSE(d.Checked(box)) << c.option << " " << box;
            }
            d.Tick(box, c.ticked.contains(box));
        }
        d.Click("CmdExe");
        EXPECT_TRUE(d.TakeMessages().value(0).startsWith(QStringLiteral("计算完成！")));
        EXPECT_EQ(d.Window().Condition().CodeHead + ":" + d.Window().Condition().SubType,
                  QLatin1String(c.codeHead) + ":" + c.subType)
            << c.option << " " << c.ticked.join(' ').toStdString();
    }
}

TEST(TuTallixItems, AddingStateListsTheReturnsAndTakesEightItemsAtMost)
{
    TuTallixDriver d;
    const char* const locked[] = {"Frame2", "Frame3", "Frame4", "Frame5", "CmdCancle", "CmdExe", "CmdPrint"};
    d.Click("CmdAddItem");
    EXPECT_TRUE(d.Find("Frame9")->isVisible());
    for (const char* control : locked)
        EXPECT_FALSE(d.Find(control)->isEnabled()) << control;
    auto* tables = d.Find<QComboBox>("CmbSel");
    ASSERT_EQ(tables->count(), 3);
    EXPECT_EQ(tables->itemText(0) + tables->itemText(2), "饭店月度经营情况企业基本情况");
    EXPECT_EQ(tables->currentIndex(), -1);

    tables->setCurrentIndex(TuTallixDriver::Base06);
    EXPECT_EQ(d.Find<QComboBox>("cmbTablename")->currentText(), "Base06");
    EXPECT_EQ(d.GridRows("FlexGridSubItem"),
              (QStringList{"营业收入\tOperationIncome\tBase06", "利润总额\tProfitTotal\tBase06"}));
    d.Click("CmdAddSubItem"); // no sub-item selected
    EXPECT_TRUE(d.GridRows("FlexGridItem").isEmpty());

    for (int i = 0; i < 8; ++i) // the same item may come twice
        d.ComposeItem(TuTallixDriver::Base05, 1 + i % 3);
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridItem").value(3), "客房+餐饮收入\tRoomIncome+RestaurantIncome\tBase05");
    d.ExpectLaidOut("tutallix_adding");
    d.ComposeItem(TuTallixDriver::Base06, 1);
    EXPECT_EQ(d.TakeMessages(), QStringList{"因最多只处理8项，所以建议先删除一部分再添加"});
    EXPECT_EQ(d.GridRows("FlexGridItem").size(), 8);

    d.Click("CmdQuit");
    EXPECT_FALSE(d.Find("Frame9")->isVisible());
    for (const char* control : locked)
        EXPECT_TRUE(d.Find(control)->isEnabled()) << control;

    // travel agencies have their own return
    d.Choose("OptTu");
    d.Click("CmdAddItem");
    ASSERT_EQ(tables->count(), 1);
    tables->setCurrentIndex(0);
    EXPECT_EQ(d.GridRows("FlexGridSubItem"),
              (QStringList{"组织团数\tOrganizeGroups\tBase04", "接待人次\tReceptionPersons\tBase04"}));
}

TEST(TuTallixRows, RegionsByTypedNumberWithTheirMessagesKeptWhenHidden)
{
    TuTallixDriver d;
    d.AddRegions({"43", "4302", "430100", "43"});
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridArea"),
              (QStringList{"430000\t湖南省", "430200\t株洲市", "430100\t长沙市", "430000\t湖南省"}));
    EXPECT_TRUE(d.Text("txtRegionKey").isEmpty());

    d.AddRegions({"45"});
    EXPECT_EQ(d.TakeMessages(), QStringList{"没有这个地区码"});
    EXPECT_TRUE(d.Text("txtRegionKey").isEmpty());
    d.AddRegions({""});
    EXPECT_EQ(d.TakeMessages(), QStringList{"地区码不能为空"});
    EXPECT_EQ(QApplication::focusWidget(), d.Find("txtRegionKey"));

    d.Delete("FlexGridArea", 2, "CmdDelRegion");
    d.Delete("FlexGridArea", 0, "CmdDelRegion"); // the header: nothing goes
    EXPECT_EQ(d.GridRows("FlexGridArea"),
              (QStringList{"430000\t湖南省", "430100\t长沙市", "430000\t湖南省"}));

    // cancelling hides the three analysis windows and keeps their contents
    QWidget* hotel = d.Mother().ShowAnalysis(MotherForm::Analysis::Restaurant);
    QWidget* annual = d.Mother().ShowAnalysis(MotherForm::Analysis::TourUnit);
    d.Mother().ShowAnalysis(MotherForm::Analysis::TuTallix);
    d.Click("CmdCancle");
    EXPECT_FALSE(hotel->parentWidget()->isVisible() || annual->parentWidget()->isVisible() ||
                 d.Window().parentWidget()->isVisible());
    EXPECT_EQ(d.Mother().ShowAnalysis(MotherForm::Analysis::TuTallix), &d.Window());
    EXPECT_EQ(d.GridRows("FlexGridArea").size(), 3);

    d.Click("Command1");
    EXPECT_TRUE(d.GridRows("FlexGridArea").isEmpty());
}

TEST(TuTallixRows, EnterprisesOfARegionAndByCodeWithTheirMessages)
{
    TuTallixDriver d;
    auto* region = d.Find<QLineEdit>("Text5");
    region->setFocus(); // digits, point and backspace only
    QTest::keyClicks(region, "4a3 -0.x2");
    EXPECT_EQ(region->text(), "430.2");
    QTest::keyClick(region, Qt::Key_Backspace);
    QTest::keyClick(region, Qt::Key_Backspace);
    QTest::keyClicks(region, "2");
    d.Click("CmdAddArea");
    EXPECT_EQ(d.GridRows("FlexGridCompany"), (QStringList{"B2001\t株洲招待所", "B1003\t株洲大酒店"}));
    EXPECT_TRUE(region->text().isEmpty());

    // a province number takes every enterprise of the unit type whose region code begins
    // with its two digits
    d.Click("CmdClearCompany");
    d.Enter("Text5", "CmdAddArea", {"43"});
    EXPECT_EQ(d.GridRows("FlexGridCompany").size(), 4);
    EXPECT_FALSE(d.GridRows("FlexGridCompany").contains("B1009\t广州宾馆"));
    d.Click("CmdClearCompany");
    d.Enter("Text5", "CmdAddArea", {"", "45"});
    EXPECT_EQ(d.TakeMessages(), (QStringList{"地区码不能为空", "没有这个地区码"}));
    EXPECT_TRUE(region->text().isEmpty());

    d.AddEnterprises({" B1001 ", "A0001", "E0001"});
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridCompany"),
              (QStringList{"B1001\t芙蓉宾馆", "A0001\t湖南国际旅行社", "E0001\t湘绣博物馆"}));
    d.Type("Text6", "B1-x"); // no key filter here
    EXPECT_EQ(d.Text("Text6"), "B1-x");
    // an apostrophe in a typed code is part of the code
    d.AddEnterprises({"", "X9", "B1'1"});
    EXPECT_EQ(d.TakeMessages(), (QStringList{"地区码不能为空", "没有这个企业码", "没有这个企业码"}));
    EXPECT_TRUE(d.Text("Text6").isEmpty());

    d.Delete("FlexGridCompany", 1, "CmdDelCompany");
    d.Delete("FlexGridCompany", 2, "CmdDelCompany");
    EXPECT_EQ(d.GridRows("FlexGridCompany"), QStringList{"A0001\t湖南国际旅行社"});
}

// A refused value keeps the focus with its whole text selected.
TEST(TuTallixWindow, LeavingABoxChecksItsValue)
{
    TuTallixDriver d;
    const struct
    {
        const char* name;
        QStringList accepted;
        QStringList refused;
        const char* message;
    } boxes[] = {{"TxtYear", {"2005", ""}, {"3005", "205", "20051"}, "请输入正确年份"},
                 {"TxtMonth", {"9", "09", "12"}, {"0", "13", "1a"}, "请输入正确月份"},
                 {"txtRegionKey", {"4301", ""}, {"43x"}, "请输入正确数据！"}};
    for (const auto& b : boxes) {
        auto* box = d.Find<QLineEdit>(b.name);
        for (const QString& text : b.accepted + b.refused) {
            const bool refused = b.refused.contains(text);
            d.Type(b.name, text);
            QTest::keyClick(box, Qt::Key_Tab);
            EXPECT_EQ(d.TakeMessages(), refused ? QStringList{b.message} : QStringList())
                << b.name << " " << text.toStdString();
            EXPECT_EQ(QApplication::focusWidget() == box, refused) << b.name << " " << text.toStdString();
            if (refused) {
                EXPECT_EQ(box->selectedText(), text);
                d.Type(b.name, "");
            }
        }
    }
}

} // namespace
