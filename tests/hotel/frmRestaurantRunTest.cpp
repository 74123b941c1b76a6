// The hotel conditions window at work: runs over the fixture, printing, failures, hiding
// and unloading inside the main window, and the layout at the main window's size.
#include "Connection.h"
#include "FlexGrid.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"
#include "MotherForm.h"
#include "ReportDocument.h"
#include "tableprint.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

using namespace InputRules;

class HotelWindowRunTest : public HotelWindowTest
{
protected:
    HotelWindowRunTest()
    {
        folder.Own(QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')"));
    }

    void TypePeriod()
    {
        Type("txtYear", "2025");
        Tab();
        Type("txtMonth", "12");
        Tab();
    }

    QStringList Report12() const
    {
        return folder.OwnRows(
            QStringLiteral("select value1, value2, value3, value4, value5, value6, value7, value8 "
                           "from type22 where tablecode='1_2' order by rowid"));
    }
};

TEST_F(HotelWindowRunTest, RunsTheReportAndPrintsTheChosenTable)
{
    TypePeriod();
    AddRegion("43");
    AddRegion("4301");
    QTest::mouseClick(Control<QCheckBox>("chkRegtype_6"), Qt::LeftButton); // 私营: B1002 out
    ChooseRange("cmbRoom", AtLeast);
    Type("txtRoomStar", "100"); // B1004 out
    Click("cmdExec");

    EXPECT_EQ(messages, QStringList{"计算完成"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Report12(), (QStringList{"合计\t3\t800\t1350\t68.75\t41\t2.1\t7500",
                                       "湖南省\t2\t500\t850\t70\t25\t1.3\t4500",
                                       "长沙市\t1\t300\t500\t66.67\t16\t0.8\t3000"}));
    EXPECT_EQ(folder.OwnRows("select count(*) from type11 where tablecode='1_1'"), QStringList{"24"});

    Window().ComboPrint->setCurrentIndex(2);
    Click("btnPrint");
    tableprint* print = tableprint::Shared();
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->TableCode, QStringLiteral("1-3"));
    ASSERT_NE(print->Report(), nullptr);
    EXPECT_EQ(print->Report()->Title(), QStringLiteral("表1-3 旅游饭店数（按登记注册类型分）"));
    EXPECT_EQ(print->Report()->Rows().size(), 3);
    print->close();

    // Without a chosen report nothing is printed.
    Window().ComboPrint->setCurrentIndex(-1);
    Click("btnPrint");
    EXPECT_FALSE(print->isVisible());
    EXPECT_EQ(messages, QStringList{"计算完成"});
}

struct FilterCase
{
    const char* name;
    const char* combo; // nullptr: no range
    int item;
    const char* start;
    const char* end;
    std::vector<const char*> unticked;
    const char* zhuzhou; // hotels and rooms of 株洲市 (B2003: 200 rooms, B1004: 60)
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << c.name;
}

class HotelWindowFilterTest : public HotelWindowRunTest, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(HotelWindowFilterTest, ControlsFillTheCondition)
{
    const FilterCase& c = GetParam();
    TypePeriod();
    AddRegion("4302");
    if (c.combo) {
        ChooseRange(c.combo, c.item);
        for (const frmRestaurant::RangeGroup& g : Window().RangeGroups()) {
            if (g.Combo->objectName() != QLatin1String(c.combo))
                continue;
            Type(g.Start->objectName(), c.start);
            if (*c.end)
                Type(g.End->objectName(), c.end);
        }
    }
    for (const char* box : c.unticked)
        QTest::mouseClick(Control<QCheckBox>(box), Qt::LeftButton);
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成"});
    const QStringList rows =
        folder.OwnRows("select value2, value3 from type22 where tablecode='1_2' order by rowid");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1], QString::fromUtf8(c.zhuzhou));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, HotelWindowFilterTest,
    ::testing::Values(FilterCase{"NoFilter", nullptr, 0, "", "", {}, "2\t260"},
                      FilterCase{"OpenedFrom2015", "cmbAccomStar", AtLeast, "2015", "", {}, "1\t60"},
                      FilterCase{"OpenedUntil2015", "cmbAccomStar", AtMost, "2015", "", {}, "1\t200"},
                      FilterCase{"RoomsBetween", "cmbRoom", Between, "60", "100", {}, "1\t60"},
                      FilterCase{"RoomsAtMost", "cmbRoom", AtMost, "100", "", {}, "1\t60"},
                      FilterCase{"IncomeAtLeast", "cmbOpIncome", AtLeast, "2", "", {}, "1\t200"},
                      FilterCase{"ProfitAtMost", "cmbProfitTotal", AtMost, "0.5", "", {}, "1\t60"},
                      FilterCase{"FixedAssetsAtLeast", "cmbFixedAssets", AtLeast, "1000", "", {}, "1\t200"},
                      FilterCase{"OccupancyAtLeast", "cmbHireRate", AtLeast, "60", "", {}, "1\t200"},
                      FilterCase{"ReceptionAtLeast", "cmbReceptionNum", AtLeast, "1", "", {}, "0\t0"},
                      FilterCase{"IncomePerHeadAtLeast", "cmbIncomePer", AtLeast, "0.14", "", {}, "1\t200"},
                      FilterCase{"ProfitPerHeadAtMost", "cmbProfitPer", AtMost, "0.01", "", {}, "1\t60"}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Ticks, HotelWindowFilterTest,
    ::testing::Values(FilterCase{"RegtypeLimited", nullptr, 0, "", "", {"chkRegtype_4"}, "1\t60"},
                      FilterCase{"StarFour", nullptr, 0, "", "", {"chkStar_4"}, "1\t60"},
                      FilterCase{"CategoryB2", nullptr, 0, "", "", {"chkB_1"}, "1\t60"},
                      FilterCase{
                          "NoStar",
                          nullptr,
                          0,
                          "",
                          "",
                          {"chkStar_0", "chkStar_1", "chkStar_2", "chkStar_3", "chkStar_4", "chkStar_5"},
                          "0\t0"}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST_F(HotelWindowRunTest, ADatabaseFailureIsShownAndTheWindowStaysUsable)
{
    TypePeriod();
    AddRegion("43");
    folder.Source(QStringLiteral("ALTER TABLE Base06 RENAME TO Base06_away"));
    Click("cmdExec");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("base06"), Qt::CaseInsensitive))
        << messages[0].toStdString();
    EXPECT_EQ(Report12(), QStringList{"earlier\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>"});
    EXPECT_EQ(Connection::StatConn, nullptr);
    EXPECT_EQ(Connection::TallixConn, nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A failure halfway through writing (table 1-8 is refused) leaves no half report behind.
    folder.Source(QStringLiteral("ALTER TABLE Base06_away RENAME TO Base06"));
    folder.Own(QStringLiteral(
        "DROP TABLE type55;"
        "CREATE TABLE type55 (value1 TEXT, value2 TEXT, value3 TEXT, value4 TEXT, value5 TEXT, "
        "value6 TEXT, value7 TEXT, value8 TEXT, tablecode TEXT, kept TEXT NOT NULL)"));
    messages.clear();
    Click("cmdExec");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("type55.kept"))) << messages[0].toStdString();
    for (const char* table : {"type11", "type22", "type33", "type55", "type66"})
        EXPECT_EQ(folder.OwnRows(QStringLiteral("select count(*) from ") + QLatin1String(table)),
                  QStringList{"0"})
            << table;

    // And the next action works.
    AddRegion("4301");
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430100\t长沙市"}));
}

TEST_F(HotelWindowRunTest, ANumberThatCannotBeReadIsShown)
{
    TypePeriod();
    ChooseRange("cmbRoom", AtLeast);
    Window().txtRoomStar->setText("abc"); // not typed: as a reopened condition may hold it
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"数据无法转换：客房规模（间），值“abc”（不是数值）"});
    EXPECT_EQ(Report12().size(), 1);
}

TEST_F(HotelWindowTest, CloseHidesTheWindowAndTheTitleBarUnloadsIt)
{
    MotherForm form(folder.Path());
    form.SetFactory(MotherForm::Analysis::Restaurant, [] { return new frmRestaurant; });
    form.show();
    auto* first = qobject_cast<frmRestaurant*>(form.ShowAnalysis(MotherForm::Analysis::Restaurant));
    ASSERT_NE(first, nullptr);
    first->txtYear->setText("2025");
    first->txtRegionKey->setText("43");
    QTest::mouseClick(first->cmdAddnewRegion, Qt::LeftButton);
    QTest::mouseClick(first->cmdCancel, Qt::LeftButton);
    auto* sub = qobject_cast<QMdiSubWindow*>(first->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->isVisible());

    EXPECT_EQ(form.ShowAnalysis(MotherForm::Analysis::Restaurant), first);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(first->txtYear->text(), QStringLiteral("2025"));
    EXPECT_EQ(first->FlexGrid->Rows(), 2);

    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* second = qobject_cast<frmRestaurant*>(form.ShowAnalysis(MotherForm::Analysis::Restaurant));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->txtYear->text().isEmpty());
    EXPECT_EQ(second->FlexGrid->Rows(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

// Every control sits inside the window, gets at least the room it asks for, and no two frames
// overlap, at the main window's own size. ORVANE_LOOK_DIR, when set, receives a picture.
TEST_F(HotelWindowTest, FitsTheMainWindowWithoutOverlap)
{
    MotherForm form(folder.Path());
    form.SetFactory(MotherForm::Analysis::Restaurant, [] { return new frmRestaurant; });
    form.show();
    auto* w = qobject_cast<frmRestaurant*>(form.ShowAnalysis(MotherForm::Analysis::Restaurant));
    ASSERT_NE(w, nullptr);
    for (const char* key : {"43", "4301", "4302"}) {
        w->txtRegionKey->setText(key);
        QTest::mouseClick(w->cmdAddnewRegion, Qt::LeftButton);
    }
    w->cmbRoom->setCurrentIndex(Between);
    w->txtRoomStar->setText("100");
    w->txtRoomEnd->setText("300");
    QCoreApplication::processEvents();

    const QRect area = form.MdiArea()->viewport()->rect();
    const QRect sub = w->parentWidget()->geometry();
    EXPECT_TRUE(area.contains(sub)) << sub.width() << "x" << sub.height();

    const QRect inside = w->rect();
    const QList<QGroupBox*> frames = w->findChildren<QGroupBox*>();
    for (const QGroupBox* f : frames) {
        const QRect r(f->mapTo(w, QPoint(0, 0)), f->size());
        EXPECT_TRUE(inside.contains(r)) << f->title().toStdString();
        for (const QGroupBox* other : frames) {
            const QRect o(other->mapTo(w, QPoint(0, 0)), other->size());
            if (other != f) {
                EXPECT_FALSE(r.intersects(o))
                    << f->title().toStdString() << " / " << other->title().toStdString();
            }
        }
    }
    QList<QWidget*> controls;
    // The window's own controls, not the parts of a grid, list or combo.
    const auto ownControl = [w](QWidget* c) {
        for (QWidget* p = c->parentWidget(); p && p != w; p = p->parentWidget())
            if (qobject_cast<QAbstractItemView*>(p) || qobject_cast<QComboBox*>(p))
                return false;
        return qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) || qobject_cast<QComboBox*>(c) ||
               qobject_cast<QLineEdit*>(c);
    };
    for (QWidget* c : w->findChildren<QWidget*>())
        if (ownControl(c))
            controls << c;
    EXPECT_EQ(controls.size(), 14 + 8 + 21 + 22 + 10); // labels, buttons, ticks, boxes, combos
    for (const QWidget* c : controls) {
        const QString name = c->objectName().isEmpty() ? c->property("text").toString() : c->objectName();
        EXPECT_TRUE(c->isVisible()) << name.toStdString();
        EXPECT_TRUE(inside.contains(QRect(c->mapTo(w, QPoint(0, 0)), c->size()))) << name.toStdString();
        EXPECT_GE(c->width(), c->minimumSizeHint().width()) << name.toStdString();
        EXPECT_GE(c->height(), c->minimumSizeHint().height()) << name.toStdString();
        if (qobject_cast<const QLabel*>(c) || qobject_cast<const QAbstractButton*>(c)) {
            EXPECT_GE(c->width(), c->sizeHint().width()) << name.toStdString();
        }
    }

    const QString look = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (!look.isEmpty()) {
        EXPECT_TRUE(form.grab().save(QDir(look).filePath(QStringLiteral("frmRestaurant.png"))));
    }
}

} // namespace
