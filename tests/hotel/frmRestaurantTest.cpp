// The hotel conditions window: its controls, the focus-loss validators, the run's
// completeness checks, the region list and the range combos.
#include "FlexGrid.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using namespace InputRules;

const char* const RangeCombos[] = {"cmbAccomStar",    "cmbRoom",        "cmbOpIncome",
                                   "cmbProfitTotal",  "cmbFixedAssets", "cmbHireRate",
                                   "cmbReceptionNum", "cmbIncomePer",   "cmbProfitPer"};

QStringList Texts(const QList<QGroupBox*>& frames)
{
    QStringList texts;
    for (const QGroupBox* f : frames)
        texts << f->title();
    return texts;
}

TEST_F(HotelWindowTest, EveryControlCarriesItsNameAndCaption)
{
    frmRestaurant& w = Window();
    EXPECT_EQ(w.objectName(), QStringLiteral("frmRestaurant"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("饭店分析报表条件设置"));

    QStringList frames = Texts(w.findChildren<QGroupBox*>());
    frames.sort();
    QStringList expectedFrames = {"地区分类",
                                  "日期：",
                                  "注册类型",
                                  "星级",
                                  "统计类别",
                                  "开业时间（YYYY）",
                                  "客房规模（间）",
                                  "营业收入（万元）",
                                  "利润总额（万元）",
                                  "固定资产（万元）",
                                  "客房出租率（%）",
                                  "接待人数（人）",
                                  "人均营业收入（万元）",
                                  "人均利润（万元）",
                                  "存储条件"};
    expectedFrames.sort();
    EXPECT_EQ(frames, expectedFrames);

    QStringList labels;
    for (const QLabel* l : w.findChildren<QLabel*>())
        labels << l->text();
    for (const char* caption : {"新地区", "已有地区：", "年(YYYY)", "月(MM)", "选择要打印的报表："})
        EXPECT_EQ(labels.count(QString::fromUtf8(caption)), 1) << caption;
    EXPECT_EQ(labels.count(QStringLiteral("至")), 9);

    const std::pair<const char*, const char*> buttons[] = {
        {"cmdAddnewRegion", "添加"}, {"cmdDelRegion", "删除"}, {"cmdSave", "保存"},
        {"cmdOpen", "打开"},         {"cmdDelete", "删除"},    {"btnPrint", "打印报表"},
        {"cmdExec", "生成报表"},     {"cmdCancel", "关    闭"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = Control<QPushButton>(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
    }

    const char* const regtypes[] = {"国有", "集体", "股合", "联营",   "有限",
                                    "股有", "私营", "其他", "港澳台", "外商"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Control<QCheckBox>(QStringLiteral("chkRegtype_%1").arg(i))->text(),
                  QString::fromUtf8(regtypes[i]));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Control<QCheckBox>(QStringLiteral("chkStar_%1").arg(i))->text(),
                  QStringLiteral("%1星").arg(i));
    const char* const categories[] = {"B1", "B2", "B3", "B4", "B9"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Control<QCheckBox>(QStringLiteral("chkB_%1").arg(i))->text(), QLatin1String(categories[i]));

    for (const char* name : RangeCombos) {
        auto* combo = Control<QComboBox>(name);
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->count(), 4) << name;
        EXPECT_EQ(combo->itemText(0), QStringLiteral("不限"));
        EXPECT_EQ(combo->itemText(1), QStringLiteral("不小于(≥)"));
        EXPECT_EQ(combo->itemText(2), QStringLiteral("不大于（≤）"));
        EXPECT_EQ(combo->itemText(3), QStringLiteral("区间"));
    }
    for (const char* name : {"txtRegionKey",
                             "txtYear",
                             "txtMonth",
                             "txtNewcondition",
                             "txtAccomStar",
                             "txtAccomEnd",
                             "txtRoomStar",
                             "txtRoomEnd",
                             "txtOpIncomeStar",
                             "txtOpIncomeEnd",
                             "txtProfitTotalStar",
                             "txtProfitTotalEnd",
                             "txtFixedAssetsStar",
                             "txtFixedAssetsEnd",
                             "txtHireRateStar",
                             "txtHireRateEnd",
                             "txtReceptionNumStar",
                             "txtReceptionNumEnd",
                             "txtIncomePerStar",
                             "txtIncomePerEnd",
                             "txtProfitPerStar",
                             "txtProfitPerEnd"})
        EXPECT_NE(Control<QLineEdit>(name), nullptr);
    EXPECT_NE(Control<FlexGrid>("FlexGrid"), nullptr);
    EXPECT_NE(Control<QListWidget>("lstConditon"), nullptr);
    EXPECT_NE(Control<QComboBox>("ComboPrint"), nullptr);
}

TEST_F(HotelWindowTest, LoadsInItsInitialState)
{
    folder.Own(QStringLiteral("INSERT INTO Condition (conditionname) VALUES ('春季');"
                              "INSERT INTO Condition (conditionname) VALUES ('夏季')"));
    frmRestaurant& w = Window();
    for (QCheckBox* box : w.findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    for (const frmRestaurant::RangeGroup& g : w.RangeGroups()) {
        EXPECT_EQ(g.Combo->currentIndex(), 0);
        EXPECT_TRUE(g.Start->text().isEmpty());
        EXPECT_FALSE(g.Start->isEnabled());
        EXPECT_FALSE(g.End->isEnabled());
    }
    EXPECT_EQ(w.FlexGrid->Rows(), 1);
    EXPECT_EQ(w.FlexGrid->TextMatrix(0, 0), QStringLiteral("地区代号"));
    EXPECT_EQ(w.FlexGrid->TextMatrix(0, 1), QStringLiteral("地区名称"));
    EXPECT_NEAR(w.FlexGrid->ColWidth(1), 2200, 15);
    ASSERT_EQ(w.lstConditon->count(), 2);
    EXPECT_EQ(w.lstConditon->item(0)->text(), QStringLiteral("春季"));
    EXPECT_EQ(w.lstConditon->item(1)->text(), QStringLiteral("夏季"));
    ASSERT_EQ(w.ComboPrint->count(), 10);
    EXPECT_EQ(w.ComboPrint->currentIndex(), 0);
    EXPECT_EQ(w.ComboPrint->itemText(0),
              QStringLiteral("表1-1 旅游饭店基本情况（按登记注册类型、规模、星级分）"));
    EXPECT_EQ(w.ComboPrint->itemText(9), QStringLiteral("表1-10 旅游饭店劳动生产率"));
    EXPECT_TRUE(w.txtYear->text().isEmpty());
    EXPECT_TRUE(w.txtMonth->text().isEmpty());
    EXPECT_TRUE(w.txtRegionKey->text().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HotelWindowTest, TabRunsDownTheLeftColumnThenTheRightThenTheButtons)
{
    QStringList expected = {"txtYear",         "txtMonth", "txtRegionKey",
                            "cmdAddnewRegion", "FlexGrid", "cmdDelRegion"};
    for (int i = 0; i < 10; ++i)
        expected << QStringLiteral("chkRegtype_%1").arg(i);
    for (int i = 0; i < 6; ++i)
        expected << QStringLiteral("chkStar_%1").arg(i);
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("chkB_%1").arg(i);
    for (const char* combo : RangeCombos) // their boxes are disabled while on "不限"
        expected << QLatin1String(combo);
    expected << "lstConditon"
             << "txtNewcondition"
             << "cmdSave"
             << "cmdOpen"
             << "cmdDelete"
             << "ComboPrint"
             << "btnPrint"
             << "cmdExec"
             << "cmdCancel";

    Window().txtYear->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        Tab();
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

struct ValidatorCase
{
    const char* box;
    const char* typed;
    const char* refusal; // nullptr: accepted
    const char* after;   // the box's text once accepted
};

void PrintTo(const ValidatorCase& c, std::ostream* os)
{
    *os << c.box << " '" << c.typed << "'";
}

class HotelWindowValidatorTest : public HotelWindowTest, public ::testing::WithParamInterface<ValidatorCase>
{
};

TEST_P(HotelWindowValidatorTest, LeavingTheBoxChecksWhatWasTyped)
{
    const ValidatorCase& c = GetParam();
    const QString box = QLatin1String(c.box);
    // A range box takes numbers once its combo is on "区间".
    if (box != QLatin1String("txtYear") && box != QLatin1String("txtMonth") &&
        box != QLatin1String("txtRegionKey")) {
        for (const frmRestaurant::RangeGroup& g : Window().RangeGroups())
            if (g.Start->objectName() == box || g.End->objectName() == box)
                g.Combo->setCurrentIndex(Between);
    }
    Type(box, QString::fromUtf8(c.typed));
    Tab();

    auto* edit = Control<QLineEdit>(box);
    if (c.refusal) {
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.refusal)});
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->selectedText(), QString::fromUtf8(c.typed));
    } else {
        EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
        EXPECT_NE(QApplication::focusWidget(), edit);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.after));
    }
}

INSTANTIATE_TEST_SUITE_P(Years, HotelWindowValidatorTest,
                         ::testing::Values(ValidatorCase{"txtYear", "1000", nullptr, "1000"},
                                           ValidatorCase{"txtYear", "2999", nullptr, "2999"},
                                           ValidatorCase{"txtYear", "", nullptr, ""},
                                           ValidatorCase{"txtYear", "0999", "请输入正确年份", ""},
                                           ValidatorCase{"txtYear", "3000", "请输入正确年份", ""},
                                           ValidatorCase{"txtYear", "99", "请输入正确年份", ""},
                                           ValidatorCase{"txtYear", "20051", "请输入正确年份", ""},
                                           ValidatorCase{"txtYear", "2O05", "请输入正确年份", ""},
                                           ValidatorCase{"txtAccomStar", "1990", nullptr, "1990"},
                                           ValidatorCase{"txtAccomStar", "3000", "请输入正确年份", ""},
                                           ValidatorCase{"txtAccomEnd", "2O05", "请输入正确年份", ""}));

INSTANTIATE_TEST_SUITE_P(Months, HotelWindowValidatorTest,
                         ::testing::Values(ValidatorCase{"txtMonth", "1", nullptr, "1"},
                                           ValidatorCase{"txtMonth", "12", nullptr, "12"},
                                           ValidatorCase{"txtMonth", "01", nullptr, "01"},
                                           ValidatorCase{"txtMonth", "09", nullptr, "09"},
                                           ValidatorCase{"txtMonth", "0", "请输入正确月份", ""},
                                           ValidatorCase{"txtMonth", "13", "请输入正确月份", ""},
                                           ValidatorCase{"txtMonth", "100", "请输入正确月份", ""}));

INSTANTIATE_TEST_SUITE_P(
    Amounts, HotelWindowValidatorTest,
    ::testing::Values(ValidatorCase{"txtRoomStar", "12.3456", nullptr, "12.35"},
                      ValidatorCase{"txtHireRateEnd", "7.50", nullptr, "7.5"},
                      ValidatorCase{"txtReceptionNumStar", " 3.00 ", nullptr, "3"},
                      ValidatorCase{"txtRoomEnd", "", nullptr, ""},
                      ValidatorCase{"txtReceptionNumEnd", "-5", "请输入正确数据！", ""},
                      ValidatorCase{"txtFixedAssetsStar", "-5", "请输入正确数据！（固定资产）", ""},
                      ValidatorCase{"txtFixedAssetsEnd", "abc", "请输入正确数据！（固定资产）", ""},
                      ValidatorCase{"txtProfitTotalStar", "-5", nullptr, "-5"},
                      ValidatorCase{"txtProfitPerEnd", "-0.125", nullptr, "-0.12"},
                      ValidatorCase{"txtOpIncomeEnd", "1,5", "请输入正确数据！", ""},
                      ValidatorCase{"txtIncomePerStar", "x", "请输入正确数据！", ""}));

INSTANTIATE_TEST_SUITE_P(Regions, HotelWindowValidatorTest,
                         ::testing::Values(ValidatorCase{"txtRegionKey", "4301", nullptr, "4301"},
                                           ValidatorCase{"txtRegionKey", "   ", nullptr, "   "},
                                           ValidatorCase{"txtRegionKey", "43a", "请输入正确数据！", ""}));

TEST_F(HotelWindowTest, ARefusedValueStopsTheClickThatWouldLeaveIt)
{
    folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    Type("txtYear", "2025");
    Tab();
    Type("txtMonth", "13");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{MonthMessage});
    EXPECT_EQ(QApplication::focusWidget(), Window().txtMonth);
    EXPECT_EQ(folder.OwnRows("select value1 from type22"), QStringList{"earlier"});

    messages.clear();
    Type("txtRegionKey", "43a");
    Click("cmdAddnewRegion");
    EXPECT_EQ(messages, QStringList{DataMessage});
    EXPECT_EQ(Window().FlexGrid->Rows(), 1);
}

TEST_F(HotelWindowTest, TheRunWantsThePeriodFirst)
{
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{PeriodEmptyMessage});
    EXPECT_EQ(QApplication::focusWidget(), Window().txtYear);

    // Blanks put there without typing (a reopened condition, say) count as empty.
    Window().txtYear->setText("2025");
    Window().txtMonth->setText("  ");
    Click("cmdExec");
    EXPECT_EQ(messages, (QStringList{PeriodEmptyMessage, PeriodEmptyMessage}));
    EXPECT_EQ(QApplication::focusWidget(), Window().txtYear);
}

TEST_F(HotelWindowTest, CompletenessChecksRunInTheirOrder)
{
    Type("txtYear", "2025");
    Tab();
    Type("txtMonth", "12");
    Tab();
    for (const char* combo : RangeCombos)
        ChooseRange(combo, AtLeast);
    const std::pair<const char*, const QString&> order[] = {{"txtAccomStar", OpenDateEmptyMessage},
                                                            {"txtFixedAssetsStar", FixedAssetsEmptyMessage},
                                                            {"txtHireRateStar", HireRateEmptyMessage},
                                                            {"txtIncomePerStar", IncomePerEmptyMessage},
                                                            {"txtOpIncomeStar", OpIncomeEmptyMessage},
                                                            {"txtProfitPerStar", ProfitPerEmptyMessage},
                                                            {"txtReceptionNumStar", ReceptionNumEmptyMessage},
                                                            {"txtRoomStar", RoomEmptyMessage},
                                                            {"txtProfitTotalStar", ProfitTotalEmptyMessage}};
    for (const auto& [box, message] : order) {
        messages.clear();
        Click("cmdExec");
        EXPECT_EQ(messages, QStringList{message}) << box;
        EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>(box)) << box;
        Type(box, QLatin1String(box) == QLatin1String("txtAccomStar") ? "1990" : "0");
    }
    messages.clear();
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成"});
}

TEST_F(HotelWindowTest, RangeCombosEmptyAndEnableTheirBoxes)
{
    for (const frmRestaurant::RangeGroup& g : Window().RangeGroups()) {
        const struct
        {
            int item;
            bool start;
            bool end;
        } states[] = {
            {Between, true, true}, {AtLeast, true, false}, {AtMost, true, false}, {Unlimited, false, false}};
        for (const auto& s : states) {
            g.Start->setText("1");
            g.End->setText("2");
            g.Combo->setCurrentIndex(s.item);
            SCOPED_TRACE(g.Combo->objectName().toStdString() + " " + std::to_string(s.item));
            EXPECT_TRUE(g.Start->text().isEmpty());
            EXPECT_TRUE(g.End->text().isEmpty());
            EXPECT_EQ(g.Start->isEnabled(), s.start);
            EXPECT_EQ(g.End->isEnabled(), s.end);
        }
    }
}

TEST_F(HotelWindowTest, TypedRegionsAreNormalisedAndLookedUp)
{
    const std::pair<const char*, const char*> added[] = {
        {"43", "430000\t湖南省"},     {"430", "430000\t湖南省"},    {"4301", "430100\t长沙市"},
        {"430102", "430102\t芙蓉区"}, {" 4302 ", "430200\t株洲市"}, {"43", "430000\t湖南省"}};
    QStringList expected;
    for (const auto& [key, row] : added) {
        AddRegion(QString::fromUtf8(key));
        expected << QString::fromUtf8(row);
        EXPECT_EQ(GridRows(), expected) << key;
        EXPECT_TRUE(Window().txtRegionKey->text().isEmpty());
    }
    EXPECT_TRUE(messages.isEmpty());

    AddRegion("43010"); // 4301000
    EXPECT_EQ(messages, QStringList{RegionUnknownMessage});
    EXPECT_TRUE(Window().txtRegionKey->text().isEmpty());
    AddRegion("45");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(GridRows(), expected);
}

TEST_F(HotelWindowTest, KeysThatNameNoNumberLeaveTheGridAlone)
{
    const std::pair<const char*, const QString&> keys[] = {
        {"", RegionEmptyMessage}, {"   ", DataMessage}, {"99999999999", DataMessage}};
    for (const auto& [key, message] : keys) {
        messages.clear();
        AddRegion(QString::fromUtf8(key));
        EXPECT_EQ(messages, QStringList{message}) << '\'' << key << '\'';
        EXPECT_EQ(Window().FlexGrid->Rows(), 1);
        EXPECT_EQ(QApplication::focusWidget(), Window().txtRegionKey);
    }
}

TEST_F(HotelWindowTest, RemovingARegionKeepsTheOrderOfTheOthers)
{
    for (const char* key : {"43", "4301", "4302"})
        AddRegion(key);
    ::FlexGrid* grid = Window().FlexGrid;
    const auto select = [grid](int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };

    grid->SetRow(0); // the header: nothing to remove
    Click("cmdDelRegion");
    EXPECT_EQ(grid->Rows(), 4);

    select(2);
    Click("cmdDelRegion");
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430200\t株洲市"}));
    select(2);
    Click("cmdDelRegion");
    EXPECT_EQ(GridRows(), QStringList{"430000\t湖南省"});
    select(1);
    Click("cmdDelRegion");
    EXPECT_EQ(grid->Rows(), 1);
    Click("cmdDelRegion");
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
