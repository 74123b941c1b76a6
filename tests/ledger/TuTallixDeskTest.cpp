// The ledger window's comforts: the unit type decides which enterprises a region adds and
// which items may stay, pasting into the region code box, a double click adds a field.
#include "TuTallixDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

struct UnitCase
{
    const char* option;
    const char* ticked; // the one sub-box left ticked; nullptr: the option's own ticks
    QStringList codes;
};

class TuTallixUnitRegion : public ::testing::TestWithParam<UnitCase>
{
};

TEST_P(TuTallixUnitRegion, AddsTheEnterprisesOfTheChosenUnitTypeOnly)
{
    TuTallixDriver d;
    d.Choose(GetParam().option);
    if (GetParam().ticked)
        for (const char* box : {"ChKRestaurant", "ChkOther", "ChkInternation", "ChkNation"})
            if (d.Find(box)->isEnabled())
                d.Tick(box, QLatin1String(box) == QLatin1String(GetParam().ticked));
    d.Enter("Text5", "CmdAddArea", {"43"});
    QStringList codes;
    for (const QString& row : d.GridRows("FlexGridCompany"))
        codes << row.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(codes, GetParam().codes);
    EXPECT_TRUE(d.TakeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Units, TuTallixUnitRegion,
    ::testing::Values(UnitCase{"OptAccom", nullptr, {"B1001", "B1002", "B2001", "B1003"}},
                      UnitCase{"OptAccom", "ChKRestaurant", {"B1001", "B1002", "B1003"}},
                      UnitCase{"OptAccom", "ChkOther", {"B2001"}},
                      UnitCase{"OptTu", nullptr, {"A0001", "A0002"}},
                      UnitCase{"OptTu", "ChkInternation", {"A0001"}},
                      UnitCase{"OptTuArea", nullptr, {"C0001"}},
                      UnitCase{"OptOther", nullptr, {"E0001"}}),
    [](const ::testing::TestParamInfo<UnitCase>& info) {
        return std::string(info.param.option) + (info.param.ticked ? std::string("_") + info.param.ticked : "");
    });

TEST(TuTallixUnits, ARegionWithoutEnterprisesOfTheTypeSaysSo)
{
    TuTallixDriver d;
    d.Choose("OptTuArea");
    d.Enter("Text5", "CmdAddArea", {"4302"});
    EXPECT_EQ(d.TakeMessages(), QStringList{"该地区没有“旅游景区”类的企业"});
    EXPECT_TRUE(d.GridRows("FlexGridCompany").isEmpty());
}

TEST(TuTallixUnits, SwitchingTheUnitTypeOffersToRemoveItemsOfOtherTables)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems(); // two of Base05, one of Base06, one of the register
    QStringList asked;
    bool answer = false;
    MessagePresenter::SetAskHandler([&](const MessagePresenter::Message& m) {
        asked << m.Text;
        return answer;
    });

    d.Choose("OptTu");
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("已有项目中有 3 项不属于“旅行社”的表"))) << asked[0].toStdString();
    EXPECT_EQ(d.GridRows("FlexGridItem").size(), 4); // 否 keeps them

    answer = true;
    d.Choose("OptAccom"); // all of them belong here: nothing to ask
    EXPECT_EQ(asked.size(), 1);
    d.Choose("OptTuArea");
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(d.GridRows("FlexGridItem"), QStringList{"客房数\tRooms\tBase01"});
    MessagePresenter::SetAskHandler({});
    EXPECT_TRUE(d.TakeMessages().isEmpty());
}

TEST(TuTallixUnits, DigitsCanBePastedAndADoubleClickAddsAField)
{
    TuTallixDriver d;
    auto* box = d.Find<QLineEdit>("Text5");
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("4302"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("4302"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText(), QStringLiteral("4302"));
    QApplication::clipboard()->setText(QStringLiteral("长沙"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("4302")); // letters are refused as when typed
    QTest::keyClick(box, Qt::Key_Return); // Enter adds, as the button does
    EXPECT_EQ(d.GridRows("FlexGridCompany").size(), 2);

    d.Click("CmdAddItem");
    d.Find<QComboBox>("CmbSel")->setCurrentIndex(TuTallixDriver::Base06);
    auto* fields = d.Find<QTableWidget>("FlexGridSubItem");
    QCoreApplication::processEvents(); // the panel laid out
    const QRect cell = fields->visualItemRect(fields->item(1, 0)); // grid row 2;
    QTest::mouseClick(fields->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(fields->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(d.GridRows("FlexGridItem"), QStringList{"利润总额\tProfitTotal\tBase06"});
}

} // namespace
