#include "FlexGrid.h"
#include "TuTallix.h"
#include "TuTallixDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

const char* const AcaRows = "SELECT condition,item,\"table\",dictable,fieldname,tablename,code,year,month,"
                            "classifaca,\"in\",\"out\",shu,\"group\" FROM Aca ORDER BY rowid";

QStringList ListEntries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

void SaveAs(TuTallixDriver& d, const QString& name)
{
    d.Type("Text3", name);
    d.Click("CmdSave");
}

void Open(TuTallixDriver& d, const QString& name)
{
    auto* list = d.Find<QListWidget>("List1");
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list->setCurrentItem(found.first());
    d.Click("CmdOpen");
}

QStringList Ticked(TuTallixDriver& d)
{
    QStringList ticked;
    for (const char* box : {"ChKRestaurant", "ChkOther", "ChkInternation", "ChkNation"})
        if (d.Find<QCheckBox>(box)->isChecked())
            ticked << QLatin1String(box);
    return ticked;
}

TEST(TuTallixConfigurations, SavingWritesTwoRowsPerItemOnePerRegionAndTheMainRow)
{
    TuTallixDriver d;
    d.ComposeItem(TuTallixDriver::Base05, 3);
    d.ComposeItem(TuTallixDriver::Base06, 1);
    d.Click("CmdQuit");
    d.AddRegions({QStringLiteral("4301")});
    d.Type("TxtYear", QStringLiteral("2006"));
    d.Type("TxtMonth", QStringLiteral("3"));
    SaveAs(d, QStringLiteral(" 两项 "));

    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.Folder().OwnRows(QLatin1String(AcaRows)),
              (QStringList{"两项!\t客房收入\t\t\tRoomIncome\tBase05\t<null>\t<null>\t<null>\t<null>\t<null>"
                           "\t<null>\t<null>\t<null>",
                           "两项!\t营业收入\t\t\tOperationIncome\tBase06\t<null>\t<null>\t<null>\t<null>\t<"
                           "null>\t<null>\t<null>\t<null>",
                           "两项*\t客房收入\t\t\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<"
                           "null>\t<null>\t<null>",
                           "两项*\t营业收入\t\t\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<"
                           "null>\t<null>\t<null>",
                           "两项@\t长沙市\t<null>\t<null>\t<null>\t<null>\t430100\t<null>\t<null>\t<null>\t<"
                           "null>\t<null>\t<null>\t<null>",
                           "两项\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>"
                           "\t2006\t3\t住宿设施\t旅游饭店\t其他\t按本期数值\t按地区分组"}));
    EXPECT_EQ(ListEntries(d.Find<QListWidget>("List1")), QStringList{QStringLiteral("两项")});
    EXPECT_TRUE(d.Find<QLineEdit>("Text3")->text().isEmpty());
}

TEST(TuTallixConfigurations, NamelessOrTakenNamesAreRefused)
{
    TuTallixDriver d;
    SaveAs(d, QString());
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("请输入名称")});
    SaveAs(d, QStringLiteral("甲_1"));
    SaveAs(d, QStringLiteral("甲_1"));
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("存储条件名称重复")});
    EXPECT_EQ(d.Find<QLineEdit>("Text3")->text(), QStringLiteral("甲_1"));
    // "_" is no wildcard
    SaveAs(d, QStringLiteral("甲x1"));
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(ListEntries(d.Find<QListWidget>("List1")),
              (QStringList{QStringLiteral("甲_1"), QStringLiteral("甲x1")}));
    EXPECT_EQ(d.Folder().OwnRows(QStringLiteral("SELECT COUNT(*) FROM Aca")),
              QStringList{QStringLiteral("2")});

    d.Find<QListWidget>("List1")->clearSelection();
    d.Click("CmdOpen");
    EXPECT_EQ(d.TakeMessages(), QStringList{QStringLiteral("请选中一个条件")});
}

TEST(TuTallixConfigurations, OpeningRestoresEverythingTheWindowHeld)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({QStringLiteral("43"), QStringLiteral("4302")});
    d.Type("Text6", QStringLiteral("B1001"));
    d.Click("CmdAddCompany");
    d.Find<QCheckBox>("ChkOther")->setChecked(false);
    d.Choose("OptSameTerm");
    d.Choose("Option9");
    d.Type("TxtYear", QStringLiteral("2006"));
    d.Type("TxtMonth", QStringLiteral("03"));
    const QStringList items = d.GridRows("FlexGridItem");
    const QStringList regions = d.GridRows("FlexGridArea");
    SaveAs(d, QStringLiteral("全套"));

    // the user moves on
    d.Click("Command1");
    d.Click("CmdClearCompany");
    d.SelectRow("FlexGridItem", 1);
    d.Click("CmdDelItem");
    d.Choose("OptOther");
    d.Choose("OptAccumu");
    d.Choose("Option8");
    d.Type("TxtYear", QStringLiteral("2005"));
    d.Type("TxtMonth", QStringLiteral("1"));

    Open(d, QStringLiteral("全套"));
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.GridRows("FlexGridItem"), items);
    EXPECT_EQ(d.GridRows("FlexGridArea"), regions);
    EXPECT_EQ(d.GridRows("FlexGridCompany"), QStringList{QStringLiteral("B1001\t芙蓉宾馆")});
    EXPECT_EQ(d.Find<QLineEdit>("TxtYear")->text(), QStringLiteral("2006"));
    EXPECT_EQ(d.Find<QLineEdit>("TxtMonth")->text(), QStringLiteral("03"));
    EXPECT_TRUE(d.Find<QRadioButton>("OptAccom")->isChecked());
    EXPECT_TRUE(d.Find<QCheckBox>("ChKRestaurant")->isEnabled());
    EXPECT_EQ(Ticked(d), QStringList{QStringLiteral("ChKRestaurant")});
    EXPECT_TRUE(d.Find<QRadioButton>("OptSameTerm")->isChecked());
    EXPECT_TRUE(d.Find<QRadioButton>("Option9")->isChecked());
}

TEST(TuTallixConfigurations, AgencyWithInternationalOnlyStoresOutAndReadsBackAlone)
{
    TuTallixDriver d;
    d.Choose("OptTu");
    d.Find<QCheckBox>("ChkInternation")->setChecked(true);
    SaveAs(d, QStringLiteral("国际社"));
    EXPECT_EQ(d.Folder().OwnRows(
                  QStringLiteral("SELECT classifaca,\"in\",\"out\" FROM Aca WHERE condition='国际社'")),
              QStringList{QStringLiteral("旅行社\t\t国际")});

    d.Choose("OptAccom");
    d.Find<QCheckBox>("ChKRestaurant")->setChecked(true);
    Open(d, QStringLiteral("国际社"));
    EXPECT_TRUE(d.Find<QRadioButton>("OptTu")->isChecked());
    EXPECT_EQ(Ticked(d), QStringList{QStringLiteral("ChkInternation")});
}

TEST(TuTallixConfigurations, OpenedOriginsAreStoredAgainUnderANewName)
{
    TuTallixDriver d;
    d.Folder().Own(QStringLiteral(
        "INSERT INTO Aca (condition, item, \"table\", dictable, fieldname, tablename) VALUES "
        "('旧!', '客房收入', 'T5', 'dic5', 'RoomIncome', 'Base05');"
        "INSERT INTO Aca (condition, item, \"table\", dictable) VALUES ('旧*', '客房收入', 'T5', 'dic5');"
        "INSERT INTO Aca (condition, year, month, classifaca, \"in\", \"out\", shu, \"group\") VALUES "
        "('旧', '2006', '3', '住宿设施', '旅游饭店', '其他', '按本期数值', '按地区分组')"));
    d.Find<QListWidget>("List1")->addItem(QStringLiteral("旧"));
    Open(d, QStringLiteral("旧"));
    d.ComposeItem(TuTallixDriver::Base05, 2);
    d.Click("CmdQuit");
    SaveAs(d, QStringLiteral("新"));
    EXPECT_EQ(d.Folder().OwnRows(QStringLiteral(
                  "SELECT item,\"table\",dictable,fieldname FROM Aca WHERE condition='新!' ORDER BY rowid")),
              (QStringList{QStringLiteral("客房收入\tT5\tdic5\tRoomIncome"),
                           QStringLiteral("接待人数\t\t\tInTourist")}));
}

TEST(TuTallixConfigurations, DeletingRemovesEveryRowAndTheNameMayBeUsedAgain)
{
    TuTallixDriver d;
    d.ComposeItem(TuTallixDriver::Base05, 1);
    d.Click("CmdQuit");
    d.AddRegions({QStringLiteral("43")});
    SaveAs(d, QStringLiteral("甲"));
    SaveAs(d, QStringLiteral("乙"));
    ASSERT_EQ(d.Folder().OwnRows(QStringLiteral("SELECT COUNT(*) FROM Aca")),
              QStringList{QStringLiteral("8")});

    auto* list = d.Find<QListWidget>("List1");
    list->setCurrentRow(0);
    d.Click("CmdDel");
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(ListEntries(list), QStringList{QStringLiteral("乙")});
    EXPECT_EQ(d.Folder().OwnRows(QStringLiteral("SELECT DISTINCT condition FROM Aca ORDER BY rowid")),
              (QStringList{QStringLiteral("乙!"), QStringLiteral("乙*"), QStringLiteral("乙@"),
                           QStringLiteral("乙")}));

    SaveAs(d, QStringLiteral("甲"));
    EXPECT_TRUE(d.TakeMessages().isEmpty());
    EXPECT_EQ(d.Folder().OwnRows(QStringLiteral("SELECT COUNT(*) FROM Aca WHERE condition='甲*'")),
              QStringList{QStringLiteral("1")});

    // a window that loads afterwards lists each stored name once
    TuTallix later;
    EXPECT_EQ(ListEntries(later.findChild<QListWidget*>(QStringLiteral("List1"))),
              (QStringList{QStringLiteral("乙"), QStringLiteral("甲")}));
}

} // namespace
