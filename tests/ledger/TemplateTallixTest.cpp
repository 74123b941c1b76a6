#include "TemplateTallix.h"
#include "LedgerFixture.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

Template::TallixConfiguration TwoItemsOneRegion()
{
    Template::TallixConfiguration c;
    c.Items = {{"客房收入", "", "", "RoomIncome", "Base05"},
               {"营业收入 ", "t", "d", "OperationIncome", "Base06"}};
    c.Regions = {{"430100", "长沙市"}};
    c.Settings =
        Template::TallixSettings{"2006", "3", "住宿设施", "旅游饭店", "", "按同期比较", "按地区分组"};
    return c;
}

TEST(TemplateTallix, StatementsOfEveryRowKindInOrderWithReservedColumnsQuoted)
{
    EXPECT_EQ(
        Template::TallixConfigurationInserts("甲", TwoItemsOneRegion()),
        (QStringList{" INSERT INTO Aca(item,\"table\",dictable,fieldname,tablename,condition) "
                     "VALUES('客房收入','','','RoomIncome','Base05','甲!')",
                     " INSERT INTO Aca(item,\"table\",dictable,fieldname,tablename,condition) "
                     "VALUES('营业收入','t','d','OperationIncome','Base06','甲!')",
                     " INSERT INTO Aca(item,\"table\",dictable,condition) VALUES('客房收入','','','甲*')",
                     " INSERT INTO Aca(item,\"table\",dictable,condition) VALUES('营业收入','t','d','甲*')",
                     " INSERT INTO Aca(code,item,condition) VALUES('430100','长沙市','甲@')",
                     " INSERT INTO Aca(year,month,classifaca,\"in\",\"out\",shu,\"group\",condition) "
                     "VALUES('2006','3','住宿设施','旅游饭店','','按同期比较','按地区分组','甲')"}));
    // the twin rows go along, so the name can be used again
    EXPECT_EQ(
        Template::DeleteTallixConfigurationSql("O'Neil"),
        "DELETE  FROM Aca WHERE condition= 'O''Neil!'or condition= 'O''Neil@'or condition= 'O''Neil#'or "
        "condition= 'O''Neil'or condition= 'O''Neil*'");
}

// Storing, reading and deleting run through the window's tests.
// A name is compared whole: "_" and "%" stand for themselves. A name that a marked row of
// another configuration already holds counts as taken, since its rows would mix.
TEST(TemplateTallix, ExistenceComparesTheNameExactly)
{
    TempAppFolder folder;
    Template::InsertTallixConfiguration("a_c", TwoItemsOneRegion());
    Template::TallixConfiguration marked = TwoItemsOneRegion();
    marked.Settings.reset();
    Template::InsertTallixConfiguration("无主", marked);

    for (const char* name : {"a_c", "a_c!"})
        EXPECT_TRUE(Template::TallixConfigurationExists(name)) << name;
    for (const char* name : {"abc", "a%", "A_C"})
        EXPECT_FALSE(Template::TallixConfigurationExists(name)) << name;
    // without its main row a configuration is not listed
    EXPECT_EQ(Template::ListTallixConfigurations(), QStringList{"a_c"});
    EXPECT_FALSE(Template::ReadTallixConfiguration("无主").Settings);
}

// A configuration whose last row fails leaves no row behind: the name is free again.
TEST(TemplateTallix, AnInsertThatFailsHalfwayLeavesNoRow)
{
    TempAppFolder folder;
    folder.RefuseOwnInserts(QStringLiteral("Aca"), QStringLiteral("NEW.condition='甲'"));
    EXPECT_ANY_THROW(Template::InsertTallixConfiguration("甲", TwoItemsOneRegion()));
    EXPECT_EQ(folder.OwnRows("SELECT count(*) FROM Aca"), QStringList{"0"});
    EXPECT_FALSE(Template::TallixConfigurationExists("甲"));
}

} // namespace
