// The hotel conditions window at work: runs over the shared source database, printing, failures.
#include "Connection.h"
#include "FlexGrid.h"
#include "HotelCommand.h"
#include "HotelFixture.h"
#include "HotelWindowHarness.h"
#include "InputRules.h"
#include "ReportDocument.h"
#include "tableprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>

namespace {

using namespace InputRules;

const QString Earlier = QStringLiteral("INSERT INTO type22 (value1, tablecode) VALUES ('earlier', '1_2')");

TEST_F(HotelWindowTest, RunsTheReportAndPrintsTheChosenTable)
{
    // The window's initial state over the regions of the command line's reference run.
    folder.Own(Earlier);
    TypePeriod();
    for (const char* key : {"43", "4301", "430102", "430200", "44"})
        AddRegion(key);
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{"计算完成"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ExpectReference(QStringLiteral("hotel/reference/all_hotels.txt"), ResultTables(folder));

    Window().ComboPrint->setCurrentIndex(2);
    Click("btnPrint");
    tableprint* print = tableprint::Shared();
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->TableCode, QStringLiteral("1-3"));
    ASSERT_NE(print->Report(), nullptr);
    EXPECT_EQ(print->Report()->Title(), QStringLiteral("表1-3 旅游饭店数（按登记注册类型分）"));
    EXPECT_EQ(print->Report()->Rows().size(), 6);
    print->close();

    // Without a chosen report nothing is printed.
    Window().ComboPrint->setCurrentIndex(-1);
    Click("btnPrint");
    EXPECT_FALSE(print->isVisible());
    EXPECT_EQ(messages, QStringList{"计算完成"});
}

// The same choices give the same result tables as the command line, whose ranges and lists are
// pinned down by its own tests; every choice changes the report.
TEST_F(HotelWindowTest, ControlsFillTheConditionAsTheCommandLineDoes)
{
    TypePeriod();
    AddRegion("43");
    Click("cmdExec");
    const QString unfiltered = ResultTables(folder);
    // A range or the boxes to untick (separated by blanks), and the same choice on the command line.
    // clang-format off
    const struct { const char* combo; int item; const char *start, *end, *unticked, *options; } cases[] = {
        {"cmbAccomStar", AtLeast, "2010", "", "", "--open-year|2010:"},
        {"cmbAccomStar", AtMost, "2005", "", "", "--open-year|:2005"},
        {"cmbRoom", Between, "100", "300", "", "--rooms|100:300"},
        {"cmbOpIncome", AtLeast, "5", "", "", "--income|5:"},
        {"cmbProfitTotal", AtMost, "0.3", "", "", "--profit|:0.3"},
        {"cmbFixedAssets", AtLeast, "1000", "", "", "--fixed-assets|1000:"},
        {"cmbHireRate", Between, "70", "90", "", "--occupancy|70:90"},
        {"cmbReceptionNum", AtLeast, "2000", "", "", "--reception|2000:"},
        {"cmbIncomePer", AtMost, "0.15", "", "", "--income-per|:0.15"},
        {"cmbProfitPer", AtLeast, "0.01", "", "", "--profit-per|0.01:"},
        {"", 0, "", "", "chkRegtype_0 chkRegtype_8", "--regtype|120,130,140,150,160,170,190,310,320,330,340"},
        {"", 0, "", "", "chkStar_3 chkStar_5", "--star|0,1,2,4"},
        {"", 0, "", "", "chkB_0 chkB_4", "--category|B2,B3,B4"},
        {"", 0, "", "", "chkRegtype_0 chkRegtype_1 chkRegtype_2 chkRegtype_3 chkRegtype_4 chkRegtype_5 "
                        "chkRegtype_6 chkRegtype_7 chkRegtype_8 chkRegtype_9", "--regtype|"},
        {"", 0, "", "", "chkStar_0 chkStar_1 chkStar_2 chkStar_3 chkStar_4 chkStar_5", "--star|"},
        {"", 0, "", "", "chkB_0 chkB_1 chkB_2 chkB_3 chkB_4", "--category|"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        for (const frmRestaurant::RangeGroup& g : Window().RangeGroups())
            g.Combo->setCurrentIndex(Unlimited);
        for (QCheckBox* box : Window().findChildren<QCheckBox*>())
            Tick(box->objectName(), true);
        if (*c.combo)
            SetRange(c.combo, c.item, c.start, c.end);
        for (const QString& box : QString::fromLatin1(c.unticked).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            Tick(box, false);
        messages.clear();
        Click("cmdExec");
        EXPECT_EQ(messages, QStringList{"计算完成"});
        const QString window = ResultTables(folder);
        EXPECT_NE(window, unfiltered);

        QString printed;
        QTextStream out(&printed);
        const QString options =
            QStringLiteral("--year|2025|--month|12|--region|43|") + QLatin1String(c.options);
        EXPECT_EQ(HotelCommand::Run(options.split(QLatin1Char('|')), out), 0);
        out.flush();
        EXPECT_EQ(printed, QStringLiteral("计算完成\n"));
        EXPECT_EQ(ResultTables(folder).toStdString(), window.toStdString());
    }
}

TEST_F(HotelWindowTest, FailuresAreShownAndTheWindowStaysUsable)
{
    folder.Own(Earlier);
    TypePeriod();
    AddRegion("43");
    // A number that cannot be read, put there without typing as a reopened condition may,
    // is refused by its box's own check before the run reads it.
    SetRange("cmbRoom", AtLeast);
    Window().txtRoomStar->setText("abc");
    Click("cmdExec");
    EXPECT_EQ(messages, QStringList{DataMessage});
    SetRange("cmbRoom", Unlimited);

    folder.Source(QStringLiteral("ALTER TABLE Base06 RENAME TO Base06_away"));
    messages.clear();
    Click("cmdExec");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("base06"), Qt::CaseInsensitive))
        << messages[0].toStdString();
    EXPECT_EQ(folder.OwnRows("select value1 from type22"), QStringList{"earlier"});
    EXPECT_EQ(Connection::StatConn, nullptr);
    EXPECT_EQ(Connection::TallixConn, nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A failure halfway through writing (table 1-8 is refused) leaves the previous report whole.
    folder.Source(QStringLiteral("ALTER TABLE Base06_away RENAME TO Base06"));
    folder.Own(QStringLiteral(
        "DROP TABLE type55;"
        "CREATE TABLE type55 (value1 TEXT, value2 TEXT, value3 TEXT, value4 TEXT, value5 TEXT, "
        "value6 TEXT, value7 TEXT, value8 TEXT, tablecode TEXT, kept TEXT NOT NULL)"));
    const QString before = ResultTables(folder);
    messages.clear();
    Click("cmdExec");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("type55.kept"))) << messages[0].toStdString();
    EXPECT_EQ(ResultTables(folder), before);

    // And the next action works.
    AddRegion("4301");
    EXPECT_EQ(GridRows(), (QStringList{"430000\t湖南省", "430100\t长沙市"}));
}

} // namespace
