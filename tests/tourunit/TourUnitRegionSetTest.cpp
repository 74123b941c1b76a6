#include "AnnualFixture.h"
#include "Connection.h"
#include "TourUnitWindowFixture.h"

#include <QTest>

namespace {

const QString Done = QStringLiteral("计算完成");

QStringList StoredSet(const TempAppFolder& folder, const QString& name)
{
    return folder.OwnRows(
        QStringLiteral("SELECT * FROM addsave WHERE savename='%1' ORDER BY rowid").arg(name));
}

TEST_F(TourUnitWindowTest, RegionSetRoundTripRestoresRegionsAndYear)
{
    Type("txtYear", "2025");
    AddRegion("43");
    AddRegion("4301");
    Type("txtSave", "湖南两级");
    Click("cmdSave");
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_EQ(Box("txtSave")->text(), QString());
    EXPECT_EQ(GridRows("MSfgSave"), QStringList{"湖南两级"});
    EXPECT_EQ(folder.OwnRows("SELECT * FROM namesave"), QStringList{"湖南两级"});
    // each code is stored with one blank after it
    EXPECT_EQ(StoredSet(folder, "湖南两级"),
              (QStringList{"430000 \t湖南省\t湖南两级\t2025", "430100 \t长沙市\t湖南两级\t2025"}));

    // change everything, then open the set again
    Type("txtYear", "2024");
    Grid("FlexGrid")->SetRow(1);
    Click("cmdDelRegion");
    AddRegion("44");
    Grid("MSfgSave")->SetRow(1);
    Click("cmdOpen");
    EXPECT_EQ(Box("txtSave")->text(), QStringLiteral("湖南两级"));
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "430100\t长沙市"}));

    // a fresh window lists the stored set
    ReloadWindow();
    EXPECT_EQ(GridRows("MSfgSave"), QStringList{"湖南两级"});

    Grid("MSfgSave")->SetRow(1);
    Click("cmdDel");
    EXPECT_EQ(Grid("MSfgSave")->Rows(), 1);
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM namesave").isEmpty());
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM addsave").isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
}

TEST_F(TourUnitWindowTest, SavingUnderAnExistingNameReplacesItsRegionsAndYear)
{
    Type("txtYear", "2024");
    AddRegion("43");
    Type("txtSave", "set1");
    Click("cmdSave");
    Type("txtSave", "set2");
    Click("cmdSave");

    Type("txtYear", "2025");
    AddRegion("44");
    Type("txtSave", "set1");
    Click("cmdSave");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"set1", "set2"}));
    EXPECT_EQ(folder.OwnRows("SELECT * FROM namesave ORDER BY rowid"), (QStringList{"set1", "set2"}));
    EXPECT_EQ(StoredSet(folder, "set1"),
              (QStringList{"430000 \t湖南省\tset1\t2025", "440000 \t广东省\tset1\t2025"}));
    EXPECT_EQ(StoredSet(folder, "set2"), QStringList{"430000 \t湖南省\tset2\t2024"});
}

TEST_F(TourUnitWindowTest, SavingWithoutRegionsOrWithoutNameStoresNothing)
{
    Type("txtSave", "leer");
    Click("cmdSave");
    EXPECT_EQ(messages, QStringList{"保存的是空地址！"});
    EXPECT_EQ(Box("txtSave")->text(), QString());

    messages.clear();
    AddRegion("43");
    Type("txtSave", "");
    Click("cmdSave");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Grid("MSfgSave")->Rows(), 1);
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM namesave").isEmpty());
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM addsave").isEmpty());
}

TEST_F(TourUnitWindowTest, StoredNamesAreListedTrimmedAndTheYearOfTheLastRowWins)
{
    folder.Own("INSERT INTO namesave VALUES ('甲  ');"
               "INSERT INTO namesave VALUES ('乙');"
               "INSERT INTO addsave VALUES ('430100 ', '长沙市', '甲', '2023');"
               "INSERT INTO addsave VALUES ('430102 ', '芙蓉区', '甲', '2025')");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"甲", "乙"}));

    Grid("MSfgSave")->SetRow(0); // header: nothing to open
    Click("cmdOpen");
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);
    EXPECT_EQ(Box("txtSave")->text(), QString());

    Grid("MSfgSave")->SetRow(1);
    Click("cmdOpen");
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430100\t长沙市", "430102\t芙蓉区"}));
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));

    // a set without regions empties the list and keeps the year
    Grid("MSfgSave")->SetRow(2);
    Click("cmdOpen");
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));
}

TEST_F(TourUnitWindowTest, ReopenedCountyIsComputedLikeATypedOne)
{
    Type("txtYear", "2025");
    AddRegion("430102");
    Click("cmdCreate");
    const QStringList typed = ResultRows("212");
    ASSERT_EQ(typed.size(), 2);
    EXPECT_FALSE(typed[1].startsWith(QStringLiteral("芙蓉区\t0\t")));

    Type("txtSave", "county");
    Click("cmdSave");
    Grid("FlexGrid")->SetRow(1);
    Click("cmdDelRegion");
    Grid("MSfgSave")->SetRow(1);
    Click("cmdOpen");
    EXPECT_EQ(Grid("FlexGrid")->TextMatrix(1, 0), QStringLiteral("430102"));
    Click("cmdCreate");
    EXPECT_EQ(ResultRows("212"), typed);
    EXPECT_EQ(messages, (QStringList{Done, Done}));
}

TEST_F(TourUnitWindowTest, DeletingMovesTheNamesBelowUp)
{
    folder.Own(
        "INSERT INTO namesave VALUES ('a');INSERT INTO namesave VALUES ('b');"
        "INSERT INTO namesave VALUES ('c');INSERT INTO addsave VALUES ('430000 ', '湖南省', 'b', '2025')");
    FlexGrid* sets = Grid("MSfgSave");

    sets->SetRow(0); // nothing selected: nothing deleted, the header stays
    Click("cmdDel");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(sets->TextMatrix(0, 0), QStringLiteral("条件名称"));

    sets->SetRow(2);
    Click("cmdDel");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"a", "c"}));
    EXPECT_EQ(folder.OwnRows("SELECT * FROM namesave ORDER BY rowid"), (QStringList{"a", "c"}));
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM addsave").isEmpty());

    sets->SetRow(2);
    Click("cmdDel");
    EXPECT_EQ(GridRows("MSfgSave"), QStringList{"a"});
}

TEST_F(TourUnitWindowTest, ApostropheInASetNameIsStoredAndFoundAgain)
{
    Type("txtYear", "2025");
    AddRegion("44");
    Type("txtSave", "O'Hara");
    Click("cmdSave");
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_EQ(folder.OwnRows("SELECT savename FROM addsave"), QStringList{"O'Hara"});

    Grid("FlexGrid")->SetRow(1);
    Click("cmdDelRegion");
    Grid("MSfgSave")->SetRow(1);
    Click("cmdOpen");
    EXPECT_EQ(GridRows("FlexGrid"), QStringList{"440000\t广东省"});
    Click("cmdDel");
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM namesave").isEmpty());
}

TEST_F(TourUnitWindowTest, DatabaseErrorOnSaveIsShownAndTheWindowStaysUsable)
{
    folder.Own("DROP TABLE addsave");
    AddRegion("43");
    Type("txtSave", "x");
    Click("cmdSave");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("addSave"), Qt::CaseInsensitive))
        << messages[0].toStdString();
    EXPECT_EQ(Box("txtSave")->text(), QStringLiteral("x"));
    EXPECT_FALSE(Connection::TallixConn);

    messages.clear();
    AddRegion("44");
    Type("txtYear", "2025");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});
}

TEST_F(TourUnitWindowTest, LoadingWithoutTheSetTablesShowsTheErrorAndStillRuns)
{
    folder.Own("DROP TABLE namesave");
    Window();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(Grid("MSfgSave")->TextMatrix(0, 0), QStringLiteral("条件名称"));
    messages.clear();
    Type("txtYear", "2025");
    AddRegion("43");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});
}

} // namespace
