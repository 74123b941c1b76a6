// Stored hotel conditions: saving, reopening and deleting through the window's buttons.
#include "TemplateHotel.h"
#include "Connection.h"
#include "FlexGrid.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

using namespace InputRules;

struct SplitCase
{
    const char* value;
    const char* item;
    const char* start;
    const char* end;
};

class SplitRangeValueTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitRangeValueTest, GivesItemStartAndEnd)
{
    const SplitCase& c = GetParam();
    const Template::RangeValue parts = Template::SplitRangeValue(QString::fromUtf8(c.value));
    EXPECT_EQ(parts.Item, QString::fromUtf8(c.item));
    EXPECT_EQ(parts.Start, QString::fromUtf8(c.start));
    EXPECT_EQ(parts.End, QString::fromUtf8(c.end));
}

INSTANTIATE_TEST_SUITE_P(Values, SplitRangeValueTest,
                         ::testing::Values(SplitCase{"区间$100#300!", "区间", "100", "300"},
                                           SplitCase{"不小于(≥)$1990#!", "不小于(≥)", "1990", ""},
                                           SplitCase{"不限$#!", "不限", "", ""},
                                           SplitCase{" 区间 $ -5 # 5 ! ", "区间", "-5", "5"},
                                           SplitCase{"区间$1#2!$3#4!", "区间", "1", "2"},
                                           SplitCase{"区间", "区间", "", ""}, SplitCase{"", "", "", ""},
                                           SplitCase{"区间#1$2!", "区间#1$2!", "", ""}));

TEST(RangeItemIndex, KnowsTheFourItemsOnly)
{
    EXPECT_EQ(Template::RangeItemIndex(QStringLiteral("不限")), 0);
    EXPECT_EQ(Template::RangeItemIndex(QStringLiteral(" 不小于(≥) ")), 1);
    EXPECT_EQ(Template::RangeItemIndex(QStringLiteral("不大于（≤）")), 2);
    EXPECT_EQ(Template::RangeItemIndex(QStringLiteral("区间")), 3);
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

    void Select(const QString& name)
    {
        QListWidget* list = Window().lstConditon;
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    QStringList Listed()
    {
        QStringList names;
        for (int i = 0; i < Window().lstConditon->count(); ++i)
            names << Window().lstConditon->item(i)->text();
        return names;
    }

    QStringList Conditions() const { return folder.OwnRows("select * from Condition order by rowid"); }
    QStringList Areas() const { return folder.OwnRows("select * from Area order by rowid"); }

    void Tick(const char* box, bool ticked)
    {
        auto* b = Control<QCheckBox>(box);
        if (b->isChecked() != ticked)
            QTest::mouseClick(b, Qt::LeftButton);
    }

    void SetRange(const char* combo, int item, const char* start, const char* end = "")
    {
        ChooseRange(combo, item);
        for (const frmRestaurant::RangeGroup& g : Window().RangeGroups()) {
            if (g.Combo->objectName() != QLatin1String(combo))
                continue;
            if (*start)
                Type(g.Start->objectName(), start);
            if (*end)
                Type(g.End->objectName(), end);
        }
    }

    // A state unlike the initial one in every group.
    void FillWindow()
    {
        Type("txtYear", "2025");
        Type("txtMonth", "7");
        Tick("chkRegtype_1", false);
        Tick("chkRegtype_8", false);
        Tick("chkStar_0", false);
        Tick("chkB_4", false);
        SetRange("cmbAccomStar", AtLeast, "1990");
        SetRange("cmbRoom", AtMost, "150");
        SetRange("cmbOpIncome", Between, "10", "300");
        SetRange("cmbProfitTotal", Between, "-5", "5");
        SetRange("cmbHireRate", AtLeast, "50");
        SetRange("cmbIncomePer", AtMost, "1.5");
        SetRange("cmbProfitPer", Between, "0", "0.25");
        AddRegion("43");
        AddRegion("4302");
    }

    static constexpr const char* FilledRow =
        "2025\t7\tYNYYYYYYNY\tNYYYYY\t不小于(≥)$1990#!\t不大于（≤）$150#!\t区间$10#300!\t区间$-5#5!\t不限$#!"
        "\t"
        "不小于(≥)$50#!\t不限$#!\t不大于（≤）$1.5#!\t区间$0#0.25!\tYYYYN\t旺季";
};

TEST_F(StoredConditionTest, SaveStoresTheWholeWindowAndOpenBringsItBackAfterARestart)
{
    FillWindow();
    SaveAs("  旺季  ");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(Conditions(), QStringList{QString::fromUtf8(FilledRow)});
    EXPECT_EQ(Areas(), (QStringList{"430000\t湖南省\t旺季", "430200\t株洲市\t旺季"}));
    EXPECT_EQ(Listed(), QStringList{"旺季"});

    frmRestaurant& w = Reload();
    EXPECT_EQ(Listed(), QStringList{"旺季"});
    Select("旺季");
    Click("cmdOpen");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(w.txtYear->text(), QStringLiteral("2025"));
    EXPECT_EQ(w.txtMonth->text(), QStringLiteral("7"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(w.chkRegtype[i]->isChecked(), i != 1 && i != 8) << i;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.chkStar[i]->isChecked(), i != 0) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.chkB[i]->isChecked(), i != 4) << i;
    const struct
    {
        int item;
        const char* start;
        const char* end;
    } ranges[] = {{AtLeast, "1990", ""}, {AtMost, "150", ""}, {Between, "10", "300"},
                  {Between, "-5", "5"},  {Unlimited, "", ""}, {AtLeast, "50", ""},
                  {Unlimited, "", ""},   {AtMost, "1.5", ""}, {Between, "0", "0.25"}};
    const auto groups = w.RangeGroups();
    for (int g = 0; g < frmRestaurant::RangeCount; ++g) {
        SCOPED_TRACE(groups[g].Combo->objectName().toStdString());
        EXPECT_EQ(groups[g].Combo->currentIndex(), ranges[g].item);
        EXPECT_EQ(groups[g].Start->text(), QString::fromUtf8(ranges[g].start));
        EXPECT_EQ(groups[g].End->text(), QString::fromUtf8(ranges[g].end));
        EXPECT_EQ(groups[g].Start->isEnabled(), ranges[g].item != Unlimited);
        EXPECT_EQ(groups[g].End->isEnabled(), ranges[g].item == Between);
    }
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430200\t株洲市"}));

    // What was reopened runs as it was stored.
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成"});
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

    EXPECT_EQ(w.chkRegtype[0]->isChecked(), false);
    for (int i = 1; i < 10; ++i)
        EXPECT_TRUE(w.chkRegtype[i]->isChecked()) << i;
    EXPECT_TRUE(w.chkStar[0]->isChecked());
    EXPECT_FALSE(w.chkStar[1]->isChecked()); // "X" leaves the box as it was
    EXPECT_FALSE(w.chkB[0]->isChecked());
    EXPECT_TRUE(w.chkB[1]->isChecked());

    EXPECT_EQ(w.cmbRoom->currentIndex(), AtMost);
    EXPECT_EQ(w.txtRoomStar->text(), QStringLiteral("150"));
    EXPECT_TRUE(w.txtRoomEnd->text().isEmpty());
    EXPECT_FALSE(w.txtRoomEnd->isEnabled());
    // A box its item disables still receives its stored text.
    EXPECT_EQ(w.cmbOpIncome->currentIndex(), Unlimited);
    EXPECT_EQ(w.txtOpIncomeStar->text(), QStringLiteral("12"));
    EXPECT_FALSE(w.txtOpIncomeStar->isEnabled());
    // An unknown item, or no value at all, selects "不限".
    EXPECT_EQ(w.cmbProfitTotal->currentIndex(), Unlimited);
    EXPECT_EQ(w.txtProfitTotalStar->text(), QStringLiteral("5"));
    EXPECT_EQ(w.cmbFixedAssets->currentIndex(), Unlimited);
    EXPECT_EQ(w.cmbReceptionNum->currentIndex(), AtLeast);
    EXPECT_EQ(w.txtReceptionNumStar->text(), QStringLiteral("7"));

    // The whole grid is replaced; the list and the name box stay.
    EXPECT_EQ(GridRows(), QStringList{"430100\t长沙市"});
    EXPECT_EQ(Listed(), QStringList{"乙"});
    EXPECT_EQ(w.txtNewcondition->text(), QStringLiteral("新名称"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, SavingAgainReplacesOnlyThatName)
{
    // Region rows of the name left without a Condition row, in an otherwise empty table.
    folder.Own(QStringLiteral("INSERT INTO Area VALUES('440000','广东省','旺季')"));
    AddRegion("43");
    SaveAs("旺季");
    EXPECT_EQ(Areas(), QStringList{"430000\t湖南省\t旺季"});

    AddRegion("4301");
    SaveAs("淡季");
    Window().txtYear->setText("2024");
    SaveAs("旺季 ");
    EXPECT_EQ(Listed(), (QStringList{"旺季", "淡季"}));
    EXPECT_EQ(folder.OwnRows("select Year, conditionname from Condition order by rowid"),
              (QStringList{"\t淡季", "2024\t旺季"}));
    EXPECT_EQ(folder.OwnRows("select Areacode, conditionname from Area order by rowid"),
              (QStringList{"430000\t淡季", "430100\t淡季", "430000\t旺季", "430100\t旺季"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, AnEmptyGridStoresNoRegion)
{
    AddRegion("43");
    Window().FlexGrid->SetRows(1);
    SaveAs("空");
    EXPECT_TRUE(Areas().isEmpty());
    AddRegion("4301");
    Select("空");
    Click("cmdOpen");
    EXPECT_EQ(Window().FlexGrid->Rows(), 1);
}

TEST_F(StoredConditionTest, NamesWithApostrophesRoundTrip)
{
    AddRegion("4302");
    SaveAs("O'Brien's");
    EXPECT_EQ(folder.OwnRows("select conditionname from Condition"), QStringList{"O'Brien's"});
    Window().FlexGrid->SetRows(1);
    Select("O'Brien's");
    Click("cmdOpen");
    EXPECT_EQ(GridRows(), QStringList{"430200\t株洲市"});
    Select("O'Brien's");
    Click("cmdDelete");
    EXPECT_TRUE(Conditions().isEmpty());
    EXPECT_TRUE(Areas().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, DeleteRemovesTheSelectedName)
{
    AddRegion("43");
    SaveAs("甲");
    SaveAs("乙");
    Select("甲");
    Click("cmdDelete");
    EXPECT_EQ(Listed(), QStringList{"乙"});
    EXPECT_EQ(folder.OwnRows("select conditionname from Condition"), QStringList{"乙"});
    EXPECT_EQ(Areas(), QStringList{"430000\t湖南省\t乙"});

    // Nothing selected: nothing goes.
    Window().lstConditon->clearSelection();
    Click("cmdDelete");
    EXPECT_EQ(Listed(), QStringList{"乙"});
    EXPECT_EQ(Conditions().size(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StoredConditionTest, SaveWantsANameAndOpenASelection)
{
    AddRegion("43");
    SaveAs("");
    SaveAs("   ");
    EXPECT_EQ(messages, (QStringList{"请输入条件名称", "请输入条件名称"}));
    EXPECT_TRUE(Conditions().isEmpty());
    EXPECT_TRUE(Listed().isEmpty());

    messages.clear();
    Click("cmdOpen");
    EXPECT_EQ(messages, QStringList{"请选择存储条件名称"});
    EXPECT_EQ(GridRows(), QStringList{"430000\t湖南省"});
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

} // namespace
