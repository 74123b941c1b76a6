// Stored hotel conditions: saving, reopening and deleting through the window's buttons.
#include "TemplateHotel.h"
#include "Connection.h"
#include "FlexGrid.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include <array>

namespace {

using namespace InputRules;

TEST(TemplateRangeValue, SplitsIntoItemStartAndEnd)
{
    // clang-format off
    const std::array<const char*, 4> cases[] = {
        {"区间$100#300!", "区间", "100", "300"}, {"不小于(≥)$1990#!", "不小于(≥)", "1990", ""},
        {"不限$#!", "不限", "", ""}, {" 区间 $ -5 # 5 ! ", "区间", "-5", "5"}, {"区间$1#2!$3#4!", "区间", "1", "2"},
        {"区间", "区间", "", ""}, {"", "", "", ""}, {"区间#1$2!", "区间#1$2!", "", ""}};
    // clang-format on
    for (const auto& [value, item, start, end] : cases) {
        const Template::RangeValue parts = Template::SplitRangeValue(QString::fromUtf8(value));
        EXPECT_EQ(parts.Item + '|' + parts.Start + '|' + parts.End,
                  QString::fromUtf8(item) + '|' + QString::fromUtf8(start) + '|' + QString::fromUtf8(end))
            << value;
    }
    for (int item = Unlimited; item <= Between; ++item)
        EXPECT_EQ(Template::RangeItemIndex(QLatin1Char(' ') + RangeItemTexts[item] + QLatin1Char(' ')), item);
    EXPECT_EQ(Template::RangeItemIndex(QStringLiteral("不大于(≤)")), std::nullopt); // ASCII parentheses
    EXPECT_EQ(Template::RangeItemIndex(QString()), std::nullopt);
    EXPECT_EQ(Template::RangeValueText(QStringLiteral(" 区间"), QStringLiteral("1 "), QString()),
              QStringLiteral("区间$1#!"));
}

class StoredConditionTest : public HotelWindowTest
{
protected:
    void SaveAs(const QString& name)
    {
        Type("txtNewcondition", name);
        Click("cmdSave");
    }

    // The ticks as stored: registration types, stars, categories, separated by "|".
    QString Ticks()
    {
        QString ticks;
        const auto add = [&ticks](const auto& boxes) {
            for (const QCheckBox* box : boxes)
                ticks += box->isChecked() ? QLatin1Char('Y') : QLatin1Char('N');
            ticks += QLatin1Char('|');
        };
        add(Window().chkRegtype);
        add(Window().chkStar);
        add(Window().chkB);
        return ticks;
    }

    QStringList Conditions() const { return folder.OwnRows("select * from Condition order by rowid"); }
    QStringList Areas() const { return folder.OwnRows("select * from Area order by rowid"); }
};

TEST_F(StoredConditionTest, SaveStoresTheWholeWindowAndOpenBringsItBackAfterARestart)
{
    // A state unlike the initial one in every group.
    Type("txtYear", "2025");
    Type("txtMonth", "7");
    for (const char* box : {"chkRegtype_1", "chkRegtype_8", "chkStar_0", "chkB_4"})
        Tick(box, false);
    SetRange("cmbAccomStar", AtLeast, "1990");
    SetRange("cmbRoom", AtMost, "150");
    SetRange("cmbOpIncome", Between, "10", "300");
    SetRange("cmbProfitTotal", Between, "-5", "5");
    SetRange("cmbHireRate", AtLeast, "50");
    SetRange("cmbIncomePer", AtMost, "1.5");
    SetRange("cmbProfitPer", Between, "0", "0.25");
    AddRegion("43");
    AddRegion("4302");
    SaveAs("  旺季  ");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(Conditions(),
              QStringList{"2025\t7\tYNYYYYYYNY\tNYYYYY\t不小于(≥)$1990#!\t不大于（≤）$150#!\t区间$10#300!"
                          "\t区间$-5#5!\t不限$#!\t不小于(≥)$50#!\t不限$#!\t不大于（≤）$1.5#!\t区间$0#0.25!"
                          "\tYYYYN\t旺季"});
    EXPECT_EQ(Areas(), (QStringList{"430000\t湖南省\t旺季", "430200\tZhuzhou's 市\t旺季"}));
    EXPECT_EQ(Listed(), QStringList{"旺季"});

    frmRestaurant& w = Reload();
    EXPECT_EQ(Listed(), QStringList{"旺季"});
    Select("旺季");
    Click("cmdOpen");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(w.txtYear->text(), QStringLiteral("2025"));
    EXPECT_EQ(w.txtMonth->text(), QStringLiteral("7"));
    EXPECT_EQ(Ticks(), QStringLiteral("YNYYYYYYNY|NYYYYY|YYYYN|"));
    EXPECT_EQ(RangeStates(),
              QStringLiteral("1[1990|]+-; 2[150|]+-; 3[10|300]++; 3[-5|5]++; 0[|]--; 1[50|]+-; "
                             "0[|]--; 2[1.5|]+-; 3[0|0.25]++"));
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430200\tZhuzhou's 市"}));

    // What was reopened runs as it was stored (the sample has no returns of that month).
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成\n所选期间（2025年7月）没有任何报表数据"});
}

TEST_F(StoredConditionTest, OpenTakesTheStoredTextsAsTheyAre)
{
    folder.Own(
        QStringLiteral("INSERT INTO Condition "
                       "VALUES('2024','3','NY','YX','区间$1990#2000!','不大于（≤）$150#!','不限$12#34!',"
                       "'其他$5#6!','','区间$#!','不小于(≥)$ 7 #!','区间$1#2!','区间$3#4!','N','乙');"
                       "INSERT INTO Area VALUES('430100','长沙市','乙')"));
    frmRestaurant& w = Window();
    AddRegion("43");
    Tick("chkStar_1", false);
    Type("txtNewcondition", "新名称");
    Select("乙");
    Click("cmdOpen");

    // "X" and characters beyond the stored text leave a box as it was.
    EXPECT_EQ(Ticks(), QStringLiteral("NYYYYYYYYY|YNYYYY|NYYYY|"));

    // A box its item disables still receives its stored text; an unknown item, or no value at
    // all, selects "不限".
    EXPECT_EQ(RangeStates(),
              QStringLiteral("3[1990|2000]++; 2[150|]+-; 0[12|34]--; 0[5|6]--; 0[|]--; 3[|]++; "
                             "1[7|]+-; 3[1|2]++; 3[3|4]++"));
    // The whole grid is replaced; the list and the name box stay.
    EXPECT_EQ(GridRows(), QStringList{"430100\t长沙市"});
    EXPECT_EQ(Listed(), QStringList{"乙"});
    EXPECT_EQ(w.txtNewcondition->text(), QStringLiteral("新名称"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, SaveReplacesAndDeleteRemovesOnlyTheirName)
{
    // Region rows of the name left without a Condition row, in an otherwise empty table.
    folder.Own(QStringLiteral("INSERT INTO Area VALUES('440000','广东省','旺季')"));
    AddRegion("43");
    SaveAs("旺季");
    EXPECT_EQ(Areas(), QStringList{"430000\t湖南省\t旺季"});

    AddRegion("4302");
    SaveAs("O'Brien's");
    Window().txtYear->setText("2024");
    SaveAs("旺季 ");
    EXPECT_EQ(Listed(), (QStringList{"旺季", "O'Brien's"}));
    EXPECT_EQ(folder.OwnRows("select Year, conditionname from Condition order by rowid"),
              (QStringList{"\tO'Brien's", "2024\t旺季"}));
    EXPECT_EQ(folder.OwnRows("select Areacode, conditionname from Area order by rowid"),
              (QStringList{"430000\tO'Brien's", "430200\tO'Brien's", "430000\t旺季", "430200\t旺季"}));

    // A name with apostrophes reopens and goes like any other.
    Window().FlexGrid->SetRows(1);
    Select("O'Brien's");
    Click("cmdOpen");
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430200\tZhuzhou's 市"}));
    Select("O'Brien's");
    Click("cmdDelete");
    EXPECT_EQ(messages, QStringList{"确定删除存储条件“O'Brien's”吗？"});
    messages.clear();
    EXPECT_EQ(Listed(), QStringList{"旺季"});
    EXPECT_EQ(folder.OwnRows("select conditionname from Condition"), QStringList{"旺季"});
    EXPECT_EQ(folder.OwnRows("select distinct conditionname from Area"), QStringList{"旺季"});

    // Nothing selected: nothing goes.
    Window().lstConditon->clearSelection();
    Click("cmdDelete");
    EXPECT_EQ(Listed(), QStringList{"旺季"});
    EXPECT_EQ(Conditions().size(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, SaveWantsANameAndOpenASelectionAndAnEmptyGridStoresNoRegion)
{
    AddRegion("43");
    SaveAs("");
    SaveAs("   ");
    Click("cmdOpen");
    EXPECT_EQ(messages, (QStringList{"请输入条件名称", "请输入条件名称", "请选择存储条件名称"}));
    EXPECT_TRUE(Conditions().isEmpty());
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(GridRows(), QStringList{"430000\t湖南省"});

    Window().FlexGrid->SetRows(1);
    SaveAs("空");
    EXPECT_TRUE(Areas().isEmpty());
    AddRegion("4301");
    Select("空");
    Click("cmdOpen");
    EXPECT_EQ(Window().FlexGrid->Rows(), 1);
}

TEST_F(StoredConditionTest, ADatabaseFailureIsShownAndTheListStays)
{
    folder.Own(QStringLiteral("DROP TABLE Area"));
    SaveAs("甲");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Area"))) << messages[0].toStdString();
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(Connection::TallixConn, nullptr);

    folder.Own(QStringLiteral("CREATE TABLE Area (Areacode TEXT, Areaname TEXT, conditionname TEXT)"));
    SaveAs("甲");
    EXPECT_EQ(Listed(), QStringList{"甲"});
}

// A save that fails halfway (here the second region) keeps the set as it was saved before.
TEST_F(StoredConditionTest, ASaveThatFailsHalfwayKeepsTheSetSavedBefore)
{
    AddRegion("43");
    SaveAs("甲");
    const QStringList before = Conditions() + Areas();
    folder.RefuseOwnInserts(QStringLiteral("Area"), QStringLiteral("NEW.Areacode='430200'"));
    AddRegion("4302");
    Type("txtYear", "2024");
    SaveAs("甲");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("disk full"))) << messages[0].toStdString();
    EXPECT_EQ(Conditions() + Areas(), before);
}

} // namespace
