#include "TuTallix.h"
#include "TuTallixDriver.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

TEST(TuTallixConfigurations, SavingWritesTwoRowsPerItemOnePerRegionAndTheMainRowDeletingEveryRow)
{
    TuTallixDriver d;
    d.ComposeItem(TuTallixDriver::Base05, 3);
    d.ComposeItem(TuTallixDriver::Base06, 1);
    d.Click("CmdQuit");
    d.AddRegions({"4301"});
    d.SetPeriod("2006", "3");
    d.SaveAs(" 两'项 "); // an apostrophe is part of the name

    EXPECT_TRUE(d.TakeMessages().isEmpty());
    const QString none = QStringLiteral("\t<null>");
    EXPECT_EQ(
        d.Folder().OwnRows("SELECT condition,item,\"table\",dictable,fieldname,tablename,code,year,month,"
                           "classifaca,\"in\",\"out\",shu,\"group\" FROM Aca ORDER BY rowid"),
        (QStringList{"两'项!\t客房收入\t\t\tRoomIncome\tBase05" + none.repeated(8),
                     "两'项!\t营业收入\t\t\tOperationIncome\tBase06" + none.repeated(8),
                     "两'项*\t客房收入\t\t" + none.repeated(10), "两'项*\t营业收入\t\t" + none.repeated(10),
                     "两'项@\t长沙市" + none.repeated(4) + "\t430100" + none.repeated(7),
                     "两'项" + none.repeated(6) +
                         "\t2006\t3\t住宿设施\t旅游饭店\t其他\t按本期数值\t按地区分组"}));
    EXPECT_EQ(d.ListEntries(), QStringList{"两'项"});
    EXPECT_TRUE(d.Text("Text3").isEmpty());

    d.SaveAs("");
    EXPECT_EQ(d.TakeMessages(), QStringList{"请输入名称"});
    d.SaveAs("两'项");
    EXPECT_EQ(d.TakeMessages(), QStringList{"存储条件名称重复"});
    EXPECT_EQ(d.Text("Text3"), "两'项");
    d.SaveAs("两__"); // "_" is no wildcard
    d.SaveAs("两x");
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.ListEntries(), (QStringList{"两'项", "两__", "两x"}));

    d.Find<QListWidget>("List1")->clearSelection();
    d.Click("CmdOpen");
    EXPECT_EQ(d.TakeMessages(), QStringList{"请选中一个条件"});

    // deleting takes every row along, and the name may be used again
    d.Find<QListWidget>("List1")->setCurrentRow(0);
    d.Click("CmdDel");
    EXPECT_EQ(d.TakeMessages(), QStringList{"确定删除存储条件“两'项”吗？"});
    EXPECT_EQ(d.ListEntries(), (QStringList{"两__", "两x"}));
    EXPECT_EQ(d.Folder().OwnRows("SELECT DISTINCT condition FROM Aca WHERE condition LIKE '两''项%'"),
              QStringList());
    d.SaveAs("两'项");
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.Folder().OwnRows("SELECT COUNT(*) FROM Aca WHERE condition='两''项*'"), QStringList{"2"});

    // a window that loads afterwards lists each stored name once
    TuTallix later;
    QStringList listed;
    for (const QListWidgetItem* entry :
         later.findChild<QListWidget*>("List1")->findItems("*", Qt::MatchWildcard))
        listed << entry->text();
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"两'项", "两__", "两x"}));
}

TEST(TuTallixConfigurations, OpeningRestoresEverythingTheWindowHeld)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({"43", "4302"});
    d.AddEnterprises({"B1001"});
    d.Tick("ChkOther", false);
    d.Choose("OptSameTerm");
    d.Choose("Option9");
    d.SetPeriod("2006", "03");
    const QStringList items = d.GridRows("FlexGridItem");
    const QStringList regions = d.GridRows("FlexGridArea");
    d.SaveAs("全'套");

    // travel agencies with only "国际": "in" empty, "out" 国际
    d.Choose("OptTu");
    ASSERT_EQ(d.TakeMessages().size(), 1); // whether to drop the accommodation items
    d.Tick("ChkInternation", true);
    d.SaveAs("国际社");
    EXPECT_EQ(d.Folder().OwnRows("SELECT classifaca,\"in\",\"out\" FROM Aca WHERE condition='国际社'"),
              QStringList{"旅行社\t\t国际"});

    // the user moves on
    d.Click("Command1");
    d.Click("CmdClearCompany");
    d.Delete("FlexGridItem", 1, "CmdDelItem");
    d.Choose("OptAccumu");
    d.Choose("Option8");
    d.SetPeriod("2005", "1");

    d.Open("全'套");
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridItem"), items);
    EXPECT_EQ(d.GridRows("FlexGridArea"), regions);
    EXPECT_EQ(d.GridRows("FlexGridCompany"), QStringList{"B1001\t芙蓉宾馆"});
    EXPECT_EQ(d.Text("TxtYear") + d.Text("TxtMonth"), "200603");
    EXPECT_TRUE(d.Checked("OptAccom") && d.Checked("OptSameTerm") && d.Checked("Option9"));
    EXPECT_TRUE(d.Find("ChKRestaurant")->isEnabled());
    EXPECT_EQ(d.Ticked(), QStringList{"ChKRestaurant"});
    d.ExpectLaidOut("tutallix");

    d.Open("国际社");
    EXPECT_TRUE(d.Checked("OptTu"));
    EXPECT_EQ(d.Ticked(), QStringList{"ChkInternation"});
}

// Deleting an item moves the rows below and their origins up; an item added in the window has
// no origin; an opened configuration stores its origins again under a new name.
TEST(TuTallixConfigurations, ItemOriginsTravelWithTheirItems)
{
    TuTallixDriver d;
    d.Folder().Own("INSERT INTO Aca (condition, item, \"table\", dictable, fieldname, tablename) VALUES "
                   "('三项!', '甲', 'T1', 'D1', 'RoomIncome', 'Base05'), "
                   "('三项!', '乙', 'T2', 'D2', 'InTourist', 'Base05'), "
                   "('三项!', '丙', 'T3', 'D3', 'OperationIncome', 'Base06');"
                   "INSERT INTO Aca (condition, year, month, classifaca, shu, \"group\") VALUES "
                   "('三项', '2006', '3', '住宿设施', '按本期数值', '按地区分组')");
    d.Find<QListWidget>("List1")->addItem("三项"); // stored after the window loaded its list
    d.Open("三项");
    ASSERT_EQ(d.GridRows("FlexGridItem").size(), 3);

    d.Delete("FlexGridItem", 2, "CmdDelItem");
    EXPECT_EQ(d.GridRows("FlexGridItem"),
              (QStringList{"甲\tRoomIncome\tBase05", "丙\tOperationIncome\tBase06"}));
    EXPECT_EQ(d.Window().ItemOrigins()[1], (TuTallix::ItemOrigin{"D3", "T3"}));
    d.Delete("FlexGridItem", 0, "CmdDelItem"); // the header: nothing goes
    d.Delete("FlexGridItem", 2, "CmdDelItem"); // the last row simply goes
    d.ComposeItem(TuTallixDriver::Base05, 2);
    d.Click("CmdQuit");
    EXPECT_EQ(d.Window().ItemOrigins()[1], TuTallix::ItemOrigin());

    d.SaveAs("新");
    EXPECT_EQ(d.Folder().OwnRows("SELECT item,\"table\",dictable,fieldname FROM Aca WHERE condition='新!' "
                                 "ORDER BY rowid"),
              (QStringList{"甲\tT1\tD1\tRoomIncome", "接待人数\t\t\tInTourist"}));
}

} // namespace
