#include "TemplateTallix.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

Template::TallixConfiguration TwoItemsOneRegion()
{
    Template::TallixConfiguration c;
    c.Items = {{QStringLiteral("客房收入"), QString(), QString(), QStringLiteral("RoomIncome"),
                QStringLiteral("Base05")},
               {QStringLiteral("营业收入 "), QStringLiteral("t"), QStringLiteral("d"),
                QStringLiteral("OperationIncome"), QStringLiteral("Base06")}};
    c.Regions = {{QStringLiteral("430100"), QStringLiteral("长沙市")}};
    c.Settings = Template::TallixSettings{
        QStringLiteral("2006"),      QStringLiteral("3"), QStringLiteral("住宿设施"),
        QStringLiteral("旅游饭店"),  QString(),           QStringLiteral("按同期比较"),
        QStringLiteral("按地区分组")};
    return c;
}

TEST(TemplateTallix, InsertsEveryRowKindInOrderWithReservedColumnsQuoted)
{
    EXPECT_EQ(
        Template::TallixConfigurationInserts(QStringLiteral("甲"), TwoItemsOneRegion()),
        (QStringList{
            QStringLiteral(" INSERT INTO Aca(item,\"table\",dictable,fieldname,tablename,condition) "
                           "VALUES('客房收入','','','RoomIncome','Base05','甲!')"),
            QStringLiteral(" INSERT INTO Aca(item,\"table\",dictable,fieldname,tablename,condition) "
                           "VALUES('营业收入','t','d','OperationIncome','Base06','甲!')"),
            QStringLiteral(
                " INSERT INTO Aca(item,\"table\",dictable,condition) VALUES('客房收入','','','甲*')"),
            QStringLiteral(
                " INSERT INTO Aca(item,\"table\",dictable,condition) VALUES('营业收入','t','d','甲*')"),
            QStringLiteral(" INSERT INTO Aca(code,item,condition) VALUES('430100','长沙市','甲@')"),
            QStringLiteral(" INSERT INTO Aca(year,month,classifaca,\"in\",\"out\",shu,\"group\",condition) "
                           "VALUES('2006','3','住宿设施','旅游饭店','','按同期比较','按地区分组','甲')")}));
}

TEST(TemplateTallix, DeleteTakesTheTwinRowsAlong)
{
    EXPECT_EQ(
        Template::DeleteTallixConfigurationSql(QStringLiteral("甲")),
        QStringLiteral("DELETE  FROM Aca WHERE condition= '甲!'or condition= '甲@'or condition= '甲#'or "
                       "condition= '甲'or condition= '甲*'"));
    EXPECT_EQ(Template::DeleteTallixConfigurationSql(QStringLiteral("O'Neil")),
              QStringLiteral("DELETE  FROM Aca WHERE condition= 'O''Neil!'or condition= 'O''Neil@'or "
                             "condition= 'O''Neil#'or condition= 'O''Neil'or condition= 'O''Neil*'"));
}

TEST(TemplateTallix, StoredRowsReadBackAndGoAway)
{
    TempAppFolder folder;
    const QString name = QStringLiteral("O'Neil");
    Template::TallixConfiguration stored = TwoItemsOneRegion();
    stored.Enterprises = {{QStringLiteral("B1001"), QStringLiteral("芙蓉宾馆")}};
    Template::InsertTallixConfiguration(name, stored);
    Template::InsertTallixConfiguration(QStringLiteral("乙"), TwoItemsOneRegion());

    EXPECT_EQ(Template::ListTallixConfigurations(), (QStringList{name, QStringLiteral("乙")}));
    EXPECT_TRUE(Template::TallixConfigurationExists(name));

    const Template::TallixConfiguration read = Template::ReadTallixConfiguration(name);
    ASSERT_EQ(read.Items.size(), 2);
    EXPECT_EQ(read.Items[1].Item, QStringLiteral("营业收入"));
    EXPECT_EQ(read.Items[1].Table, QStringLiteral("t"));
    EXPECT_EQ(read.Items[1].Dictable, QStringLiteral("d"));
    EXPECT_EQ(read.Items[1].FieldName, QStringLiteral("OperationIncome"));
    ASSERT_EQ(read.Regions.size(), 1);
    EXPECT_EQ(read.Regions[0].Item, QStringLiteral("长沙市"));
    ASSERT_EQ(read.Enterprises.size(), 1);
    EXPECT_EQ(read.Enterprises[0].Code, QStringLiteral("B1001"));
    ASSERT_TRUE(read.Settings);
    EXPECT_EQ(read.Settings->Shu, QStringLiteral("按同期比较"));
    EXPECT_EQ(read.Settings->In, QStringLiteral("旅游饭店"));
    EXPECT_TRUE(read.Settings->Out.isEmpty());

    Template::DeleteTallixConfiguration(name);
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT condition FROM Aca WHERE condition LIKE 'O''Neil%'")),
              QStringList());
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT COUNT(*) FROM Aca")), QStringList{QStringLiteral("6")});
    EXPECT_EQ(Template::ListTallixConfigurations(), QStringList{QStringLiteral("乙")});
}

// A name is compared whole: "_" and "%" stand for themselves. A name that is already taken
// by a marked row of another configuration counts as taken, since its rows would mix.
TEST(TemplateTallix, ExistenceComparesTheNameExactly)
{
    TempAppFolder folder;
    Template::InsertTallixConfiguration(QStringLiteral("a_c"), TwoItemsOneRegion());
    EXPECT_TRUE(Template::TallixConfigurationExists(QStringLiteral("a_c")));
    EXPECT_FALSE(Template::TallixConfigurationExists(QStringLiteral("abc")));
    EXPECT_FALSE(Template::TallixConfigurationExists(QStringLiteral("a%")));
    EXPECT_FALSE(Template::TallixConfigurationExists(QStringLiteral("A_C")));
    EXPECT_TRUE(Template::TallixConfigurationExists(QStringLiteral("a_c!")));
}

TEST(TemplateTallix, ConfigurationWithoutMainRowIsNotListed)
{
    TempAppFolder folder;
    Template::TallixConfiguration marked = TwoItemsOneRegion();
    marked.Settings.reset();
    Template::InsertTallixConfiguration(QStringLiteral("无主"), marked);
    EXPECT_TRUE(Template::ListTallixConfigurations().isEmpty());
    EXPECT_FALSE(Template::ReadTallixConfiguration(QStringLiteral("无主")).Settings);
}

} // namespace
