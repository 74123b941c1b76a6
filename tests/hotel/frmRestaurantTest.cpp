// The hotel conditions window: its controls, the focus-loss validators, the run's
// completeness checks, the region list and the range combos.
#include "FlexGrid.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

using namespace InputRules;

// What the window starts with is what the command line takes as its defaults.
TEST_F(HotelWindowTest, LoadsWithEveryTickSetAndEveryRangeUnlimited)
{
    folder.Own(QStringLiteral("INSERT INTO Condition (conditionname) VALUES ('春季');"
                              "INSERT INTO Condition (conditionname) VALUES ('夏季')"));
    frmRestaurant& w = Window();
    EXPECT_EQ(RangeStates(), QStringList(frmRestaurant::RangeCount, QStringLiteral("0[|]--")).join("; "));
    for (const QCheckBox* box : w.findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    for (const QLineEdit* box : w.findChildren<QLineEdit*>())
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(w.FlexGrid->Rows(), 1);
    EXPECT_EQ(Listed(), (QStringList{"春季", "夏季"}));
    EXPECT_EQ(w.ComboPrint->count(), 10);
    EXPECT_EQ(w.ComboPrint->currentIndex(), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HotelWindowTest, LeavingABoxChecksItByItsFamily)
{
    for (const frmRestaurant::RangeGroup& g : Window().RangeGroups())
        g.Combo->setCurrentIndex(Between); // so that every range box takes numbers
    // A box, what is typed, the message that refuses it or (nullptr) the text it becomes.
    // clang-format off
    const struct { const char *box, *typed; const QString* refusal; const char* after; } cases[] = {
        {"txtYear", "2999", nullptr, "2999"}, {"txtYear", "", nullptr, ""},
        {"txtYear", "0999", &YearMessage, ""},
        {"txtAccomStar", "1990", nullptr, "1990"}, {"txtAccomStar", "3000", &YearMessage, ""},
        {"txtAccomEnd", "2O05", &YearMessage, ""},
        {"txtMonth", "09", nullptr, "09"}, {"txtMonth", "13", &MonthMessage, ""},
        {"txtRoomStar", "12.3456", nullptr, "12.35"}, {"txtRoomEnd", "-5", &DataMessage, ""},
        {"txtHireRateStar", "7.50", nullptr, "7.5"}, {"txtHireRateEnd", "-5", &DataMessage, ""},
        {"txtReceptionNumStar", " 3.00 ", nullptr, "3"}, {"txtReceptionNumEnd", "-5", &DataMessage, ""},
        {"txtFixedAssetsStar", "-5", &FixedAssetsMessage, ""},
        {"txtFixedAssetsEnd", "abc", &FixedAssetsMessage, ""},
        {"txtOpIncomeStar", "-5", nullptr, "-5"}, {"txtOpIncomeEnd", "1,5", &DataMessage, ""},
        {"txtProfitTotalStar", "-5", nullptr, "-5"}, {"txtProfitTotalEnd", "x", &DataMessage, ""},
        {"txtIncomePerStar", "-5", nullptr, "-5"}, {"txtIncomePerEnd", "x", &DataMessage, ""},
        {"txtProfitPerStar", "x", &DataMessage, ""}, {"txtProfitPerEnd", "-0.125", nullptr, "-0.12"},
        {"txtRegionKey", "   ", nullptr, "   "}, {"txtRegionKey", "43a", &DataMessage, ""},
        {"txtNewcondition", "-x", nullptr, "-x"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " '" + c.typed + "'");
        messages.clear();
        Type(c.box, c.typed);
        Tab();
        auto* edit = Control<QLineEdit>(c.box);
        if (c.refusal) {
            EXPECT_EQ(messages, QStringList{*c.refusal});
            EXPECT_EQ(QApplication::focusWidget(), edit);
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.typed));
            EXPECT_EQ(edit->selectedText(), QString::fromUtf8(c.typed));
            Type(c.box, QString()); // an empty box always lets the focus go
            Tab();
        } else {
            EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.after));
        }
        EXPECT_NE(QApplication::focusWidget(), edit);
    }
}

TEST_F(HotelWindowTest, TheRunWantsAPeriodThenEveryChosenRangeInItsOrder)
{
    folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    Click("cmdExec");
    // Blanks put there without typing (a reopened condition, say) count as empty.
    Window().txtYear->setText("2025");
    Window().txtMonth->setText("  ");
    Click("cmdExec");
    EXPECT_EQ(messages, (QStringList{PeriodEmptyMessage, PeriodEmptyMessage}));
    EXPECT_EQ(QApplication::focusWidget(), Window().txtYear);
    // A refused value stops the click that would leave it.
    messages.clear();
    Type("txtMonth", "13");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{MonthMessage});
    EXPECT_EQ(QApplication::focusWidget(), Window().txtMonth);
    EXPECT_EQ(folder.OwnRows("select value1 from type22"), QStringList{"earlier"});

    TypePeriod();
    for (const frmRestaurant::RangeGroup& g : Window().RangeGroups())
        SetRange(g.Combo->objectName(), AtLeast);
    // clang-format off
    const std::pair<const char*, const QString&> order[] = {
        {"txtAccomStar", OpenDateEmptyMessage}, {"txtFixedAssetsStar", FixedAssetsEmptyMessage},
        {"txtHireRateStar", HireRateEmptyMessage}, {"txtIncomePerStar", IncomePerEmptyMessage},
        {"txtOpIncomeStar", OpIncomeEmptyMessage}, {"txtProfitPerStar", ProfitPerEmptyMessage},
        {"txtReceptionNumStar", ReceptionNumEmptyMessage}, {"txtRoomStar", RoomEmptyMessage},
        {"txtProfitTotalStar", ProfitTotalEmptyMessage}};
    // clang-format on
    for (const auto& [box, message] : order) {
        messages.clear();
        Click("cmdExec");
        EXPECT_EQ(messages, QStringList{message}) << box;
        EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>(box)) << box;
        Type(box, QLatin1String(box) == QLatin1String("txtAccomStar") ? "1990" : "0");
    }
    // Without a region the report holds the total alone, and the message says so.
    messages.clear();
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成\n没有选择地区，报表只有合计行"});
    EXPECT_EQ(folder.OwnRows("select value1, value2 from type22 where tablecode='1_2'"),
              QStringList{"合计\t0"});
}

TEST_F(HotelWindowTest, RangeCombosEmptyAndEnableTheirBoxes)
{
    const char* const states[] = {"0[|]--", "1[|]+-", "2[|]+-", "3[|]++"};
    for (int item : {Between, AtLeast, AtMost, Unlimited}) {
        for (const frmRestaurant::RangeGroup& g : Window().RangeGroups()) {
            g.Start->setText("1");
            g.End->setText("2");
            g.Combo->setCurrentIndex(item);
        }
        EXPECT_EQ(RangeStates(), QStringList(frmRestaurant::RangeCount, states[item]).join("; "));
    }
}

TEST_F(HotelWindowTest, TypedRegionsAreNormalisedAndLookedUp)
{
    // A key and the row it adds, or the message that refuses it ("43a" on leaving the box, so
    // the click does not act).
    const std::pair<const char*, const QString> keys[] = {
        {"43", "430000\t湖南省"},           {"430", "430000\t湖南省"},
        {"4301", "430100\t长沙市"},         {"430102", "430102\t芙蓉区"},
        {" 4302 ", "430200\tZhuzhou's 市"}, {"43", "430000\t湖南省"},
        {"43010", RegionUnknownMessage},    {"45", RegionUnknownMessage},
        {"", RegionEmptyMessage},           {"   ", DataMessage},
        {"99999999999", DataMessage},       {"43a", DataMessage}};
    QStringList rows;
    for (const auto& [key, result] : keys) {
        SCOPED_TRACE(std::string("'") + key + "'");
        messages.clear();
        AddRegion(QString::fromUtf8(key));
        if (result.contains(QLatin1Char('\t')))
            rows << result;
        else
            EXPECT_EQ(messages, QStringList{result});
        EXPECT_EQ(GridRows(), rows);
        if (result != DataMessage) {
            EXPECT_TRUE(Window().txtRegionKey->text().isEmpty());
        }
        EXPECT_EQ(QApplication::focusWidget(), Window().txtRegionKey);
    }
}

TEST_F(HotelWindowTest, RemovingARegionKeepsTheOrderOfTheOthers)
{
    for (const char* key : {"43", "4301", "4302"})
        AddRegion(key);
    ::FlexGrid* grid = Window().FlexGrid;
    const auto removeRow = [&](int row) {
        if (row == 0) {
            grid->SetRow(0);
        } else {
            const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        }
        Click("cmdDelRegion");
    };
    removeRow(0); // the header: nothing to remove
    EXPECT_EQ(grid->Rows(), 4);
    removeRow(2);
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430200\tZhuzhou's 市"}));
    removeRow(2);
    EXPECT_EQ(GridRows(), QStringList{"430000\t湖南省"});
    removeRow(1);
    EXPECT_EQ(grid->Rows(), 1);
    Click("cmdDelRegion");
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HotelWindowTest, AReversedRangeOrABoxLeftUncheckedStopsTheRun)
{
    folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    TypePeriod();
    SetRange("cmbRoom", InputRules::Between, "300", "100");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{InputRules::RangeReversedMessage});
    EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>("txtRoomStar"));

    // A month put there while the box was left through 关闭 is checked by the run.
    messages.clear();
    SetRange("cmbRoom", InputRules::Between, "100", "300");
    Window().txtMonth->setText("13");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{InputRules::MonthMessage});
    EXPECT_EQ(folder.OwnRows("select value1 from type22"), QStringList{"earlier"});

    messages.clear();
    Window().txtMonth->setText("12");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成\n没有选择地区，报表只有合计行"});
}

} // namespace
