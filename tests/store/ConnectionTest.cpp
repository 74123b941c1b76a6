#include "ComboTarget.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "RegionDirectory.h"
#include "SqlText.h"
#include "TempAppFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A combo box without widgets: what the list would show.
class ListTarget : public ComboTarget
{
public:
    QStringList items;
    QList<int> data;
    int index = -1;
    void Clear() override
    {
        items.clear();
        data.clear();
        index = -1;
    }
    void AddItem(const QString& text, int itemData) override
    {
        items << text;
        data << itemData;
    }
    void SetListIndex(int i) override { index = i; }
};

TEST(Lookups, EmptyCodesNeedNoDatabase)
{
    TempAppFolder folder(TempAppFolder::Content::Empty);
    EXPECT_EQ(Connection::AreaName(QString()), QStringLiteral("合计"));
    EXPECT_EQ(Connection::UnitName(QString()), QString());
    EXPECT_THROW(Connection::AreaName(QStringLiteral("430000")), DatabaseError); // no database there
}

TEST(Lookups, NamesByCode)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省');"
                                 "INSERT INTO Area VALUES ('430100', 'O''Brien 区');"
                                 "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('B1001', '华天大酒店', '430102')"));
    EXPECT_EQ(Connection::AreaName(QStringLiteral("430000")), QStringLiteral("湖南省"));
    EXPECT_EQ(Connection::AreaName(QStringLiteral("430100")), QStringLiteral("O'Brien 区"));
    EXPECT_EQ(Connection::AreaName(QStringLiteral("999999")), QString()); // unknown: empty, not a failure
    EXPECT_EQ(Connection::AreaName(QStringLiteral("43'00")), QString());  // an apostrophe cannot break the statement
    EXPECT_EQ(Connection::UnitName(QStringLiteral("B1001")), QStringLiteral("华天大酒店"));
    EXPECT_EQ(Connection::UnitName(QStringLiteral("B1001 ")), QStringLiteral("华天大酒店")); // trailing blanks ignored
    EXPECT_EQ(Connection::UnitName(QStringLiteral("B9999")), QString());
    EXPECT_FALSE(Connection::StatConn); // the lookups close the source set again
}

// A typed key becomes a region the same way in every window and command.
TEST(Lookups, TypedRegionKeysAndTheEnterprisesUnderARegion)
{
    const struct
    {
        const char* typed;
        const char* code; // nullptr: no region number
    } keys[] = {{"43", "430000"}, {" 4301 ", "430100"}, {"430", "430000"}, {"43010", "4301000"},
                {"430102", "430102"}, {"", nullptr}, {"  ", nullptr}, {"4x", nullptr}, {"99999999999", nullptr}};
    for (const auto& k : keys)
        EXPECT_EQ(RegionDirectory::CodeOf(QString::fromUtf8(k.typed)),
                  k.code ? std::optional<QString>(QString::fromLatin1(k.code)) : std::nullopt)
            << '"' << k.typed << '"';

    TempAppFolder folder;
    folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省 ');"
                                 "INSERT INTO Area VALUES ('430100', '长沙市');"
                                 "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('B1001', '华天大酒店', '430102');"
                                 "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('L2001', '中旅', '430201')"));
    EXPECT_EQ(RegionDirectory::Name(QStringLiteral("430000")), QStringLiteral("湖南省"));
    EXPECT_EQ(RegionDirectory::Name(QStringLiteral("430200")), std::nullopt);
    QStringList province, prefecture;
    for (const auto& e : RegionDirectory::EnterprisesOf(QStringLiteral("430000")))
        province << e.Code;
    for (const auto& e : RegionDirectory::EnterprisesOf(QStringLiteral("430100"), QStringLiteral(" AND code LIKE 'B%'")))
        prefecture << e.Code;
    EXPECT_EQ(province, QStringList({"B1001", "L2001"}));
    EXPECT_EQ(prefecture, QStringList({"B1001"}));
    EXPECT_EQ(RegionDirectory::EnterpriseName(QStringLiteral(" B1001")), QStringLiteral("华天大酒店"));
    EXPECT_FALSE(Connection::StatConn);
}

TEST(ResultTables, ClearEmptiesAllSix)
{
    TempAppFolder folder;
    const QStringList tables{"type11", "type22", "type33", "type44", "type55", "type66"};
    for (const QString& t : tables)
        folder.Own(QStringLiteral("INSERT INTO %1 (value1, tablecode) VALUES ('x', 'y')").arg(t));
    Connection::ClearResultTables();
    for (const QString& t : tables)
        EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM ") + t).isEmpty()) << t.toStdString();
}

TEST(ResultTables, ReadBackInInsertionOrder)
{
    TempAppFolder folder;
    for (const char* name : {"合计", "长沙市", "株洲市", "湘潭市", "衡阳市"})
        Connection::ExecuteTallixSql(QStringLiteral("insert into type66 (value1,tablecode) values (") +
                                     SqlText::Quoted(QString::fromUtf8(name)) + QStringLiteral(",'212')"));
    EXPECT_EQ(folder.OwnRows(QStringLiteral("select value1 from type66 where tablecode = '212'")),
              (QStringList{"合计", "长沙市", "株洲市", "湘潭市", "衡阳市"}));
}

TEST(Dictionary, FillsTrimmedTitlesWithTheirSubtype)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral("INSERT INTO dic_tablename VALUES ('  测试报表  ', '9-1', 9, ' 7 ')"));
    ListTarget combo;
    Connection::FillComboFromDictionary(combo, QStringLiteral("DIC_tablename"), 9);
    EXPECT_EQ(combo.items, QStringList{QStringLiteral("测试报表")});
    EXPECT_EQ(combo.data, QList<int>{7});
    EXPECT_EQ(combo.index, 0);

    Connection::FillComboFromDictionary(combo, QStringLiteral("DIC_tablename"), 2);
    ASSERT_EQ(combo.items.size(), 13);
    EXPECT_TRUE(combo.items.first().contains(QStringLiteral("2-1-1")));
    EXPECT_TRUE(combo.items.last().contains(QStringLiteral("2-1-1D")));
    EXPECT_EQ(combo.data.last(), 13);
}

TEST(Dictionary, NoRowsLeavesTheListAsItWas)
{
    TempAppFolder folder;
    ListTarget combo;
    combo.items << QStringLiteral("旧的");
    combo.index = 0;
    Connection::FillComboFromDictionary(combo, QStringLiteral("DIC_tablename"), 7);
    EXPECT_EQ(combo.items, QStringList{QStringLiteral("旧的")});
    EXPECT_EQ(combo.index, 0);
    EXPECT_FALSE(Connection::DictConn);
}

TEST(SourceDatabase, RefusesWrites)
{
    TempAppFolder folder;
    Connection::OpenStatConnection();
    Connection::StatCmd->CommandText = QStringLiteral("INSERT INTO Area VALUES ('110000', '北京市')");
    EXPECT_THROW(Connection::StatCmd->Execute(), DatabaseError);
    Connection::CloseStatConnection();
    EXPECT_TRUE(folder.SourceRows(QStringLiteral("SELECT * FROM Area")).isEmpty());
}

TEST(Errors, CarryTheStatementAndTheEnginesMessage)
{
    TempAppFolder folder;
    try {
        Connection::ExecuteTallixSql(QStringLiteral("insert into nosuchtable values (1)"));
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.Statement(), QStringLiteral("insert into nosuchtable values (1)"));
        EXPECT_TRUE(e.Message().contains(QStringLiteral("nosuchtable")));
    }
    EXPECT_FALSE(Connection::DictConn); // closed again after the failure
}

} // namespace
