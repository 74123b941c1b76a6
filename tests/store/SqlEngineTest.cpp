// What the statements rely on from the engine: YEAR()/MONTH() on ISO dates, "=" that ignores
// trailing blanks, reserved column names, case-insensitive names, both cursors.
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "Numeric.h"
#include "Recordset.h"
#include "SqlText.h"
#include "SqlValue.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct DateCase
{
    const char* value; // SQL expression
    const char* year;
    const char* month;
};

class DateFunctionTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(DateFunctionTest, YearAndMonth)
{
    TempAppFolder folder;
    const QString v = QString::fromLatin1(GetParam().value);
    const QStringList rows =
        folder.SourceRows(QStringLiteral("SELECT YEAR(%1), MONTH(%1), year(%1)").arg(v));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], QStringLiteral("%1\t%2\t%1").arg(QLatin1String(GetParam().year), QLatin1String(GetParam().month)));
}

INSTANTIATE_TEST_SUITE_P(Dates, DateFunctionTest,
                         ::testing::Values(DateCase{"'2005-06-30'", "2005", "6"},
                                           DateCase{"'2025-12-31 23:59:59'", "2025", "12"},
                                           DateCase{"'2024-01-01T00:00:00'", "2024", "1"},
                                           DateCase{"NULL", "<null>", "<null>"},
                                           DateCase{"'not a date'", "<null>", "<null>"},
                                           DateCase{"'2005-13-01'", "<null>", "<null>"}));

TEST(TextComparison, IgnoresTrailingBlanks)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral("INSERT INTO addsave VALUES ('430100 ', '长沙市', '常用', '2025')"));
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT savename FROM addSave WHERE areacode='430100'")).size(), 1);
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT savename FROM ADDSAVE WHERE savename='常用   '")).size(), 1);
    // read back with the blank that was written
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT areacode FROM addsave")), QStringList{QStringLiteral("430100 ")});
    // leading blanks still count
    EXPECT_TRUE(folder.OwnRows(QStringLiteral("SELECT * FROM addsave WHERE areacode=' 430100'")).isEmpty());
}

TEST(ReservedNames, QuotedColumnsWork)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral(R"( INSERT INTO Aca(item,"table",dictable,"in","out",shu,"group",condition) )"
                              R"(VALUES('a','Base04','dic_base04','国内','国际','按本期数值','按地区分组','cfg'))"));
    EXPECT_EQ(folder.OwnRows(QStringLiteral(R"(SELECT "table","in","out","group" FROM Aca WHERE condition='cfg')")),
              QStringList{QStringLiteral("Base04\t国内\t国际\t按地区分组")});
    EXPECT_EQ(folder.OwnRows(QStringLiteral(
                  R"(select content from dic_fields where TableCode='2-1-2' order by "order")")).first(),
              QStringLiteral("地区"));
}

TEST(Quoting, ApostrophesRoundTrip)
{
    TempAppFolder folder;
    const QString name = QStringLiteral("O'Neil's 条件");
    Connection::ExecuteTallixSql(QStringLiteral("INSERT INTO namesave VALUES(") + SqlText::Quoted(name) +
                                 QStringLiteral(")"));
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT savename FROM namesave WHERE savename='") +
                             SqlText::Escape(name) + QStringLiteral("'")),
              QStringList{name});
    EXPECT_EQ(SqlText::Escape(QStringLiteral("430100")), QStringLiteral("430100"));
}

TEST(Recordset, StaticCursorWithCaseInsensitiveFields)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省');"
                                 "INSERT INTO Area VALUES ('430100', '长沙市')"));
    Connection::OpenStatConnection();
    Connection::StatCmd->CommandText = QStringLiteral("select * from area order by areacode");
    Connection::StatRs->Open(*Connection::StatCmd);
    Recordset& rs = *Connection::StatRs;
    EXPECT_EQ(rs.RecordCount(), 2); // known before the first row is read
    EXPECT_EQ(rs.FieldCount(), 2);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields(QStringLiteral("AREANAME")).Value.toString(), QStringLiteral("湖南省"));
    EXPECT_EQ(rs.Fields(0).Name, QStringLiteral("Areacode"));
    rs.MoveNext();
    EXPECT_EQ(rs.Value(QStringLiteral("areacode")).toString(), QStringLiteral("430100"));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_THROW(rs.Value(0), DatabaseError);
    Connection::CloseStatConnection();
}

TEST(Recordset, NullsAndDuplicateNamesOfAJoin)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral("INSERT INTO Base01 (code, regionalismcode) VALUES ('B1001', '430102');"
                                 "INSERT INTO Base05 (code, TableDate) VALUES ('B1001', '2025-12-01')"));
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM base05 INNER JOIN base01 on base01.code=base05.code"), connection);
    ASSERT_EQ(rs.RecordCount(), 1);
    rs.MoveFirst();
    EXPECT_TRUE(rs.Fields(QStringLiteral("InTourist")).IsNull());
    EXPECT_EQ(rs.FieldNames().count(QStringLiteral("code")), 2);
    EXPECT_EQ(rs.IndexOf(QStringLiteral("CODE")), 0); // the first of equal names
}

// Each storage class as both cursors hand it over: the row's own value and the QVariant that
// Value() makes of it.
TEST(Recordset, EveryStorageClassThroughBothCursors)
{
    const struct
    {
        const char* expression;
        SqlValue::Type type;
        QVariant expected;
    } cases[] = {
        {"NULL", SqlValue::Type::Null, QVariant()},
        {"0", SqlValue::Type::Integer, QVariant(qlonglong(0))},
        {"-9223372036854775808", SqlValue::Type::Integer, QVariant(std::numeric_limits<qlonglong>::min())},
        {"3000000000", SqlValue::Type::Integer, QVariant(qlonglong(3000000000))},
        {"12.5", SqlValue::Type::Real, QVariant(12.5)},
        {"-0.1", SqlValue::Type::Real, QVariant(-0.1)},
        {"1e300", SqlValue::Type::Real, QVariant(1e300)},
        {"''", SqlValue::Type::Text, QVariant(QString())},
        {"'  n/a '", SqlValue::Type::Text, QVariant(QStringLiteral("  n/a "))},
        {"'湖南省长沙市'", SqlValue::Type::Text, QVariant(QStringLiteral("湖南省长沙市"))},
        {"'12'", SqlValue::Type::Text, QVariant(QStringLiteral("12"))},
        {"X'00ff41'", SqlValue::Type::Blob, QVariant(QByteArray("\x00\xff\x41", 3))},
        {"zeroblob(0)", SqlValue::Type::Blob, QVariant(QByteArray())},
    };
    TempAppFolder folder;
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    QStringList rows;
    for (const auto& c : cases)
        rows << QStringLiteral("SELECT %1 AS v, 7 AS after").arg(QString::fromUtf8(c.expression));
    const QString sql = rows.join(QStringLiteral(" UNION ALL "));
    for (const auto cursor : {Recordset::Cursor::Static, Recordset::Cursor::Forward}) {
        Recordset rs;
        rs.Open(sql, connection, cursor);
        rs.MoveFirst();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expression);
            ASSERT_FALSE(rs.IsEOF());
            const SqlValue& value = rs.CurrentRow()[0];
            EXPECT_EQ(value.type(), c.type);
            EXPECT_EQ(value.isNull(), c.expected.isNull());
            const QVariant variant = rs.Value(0);
            EXPECT_EQ(variant.typeId(), c.expected.typeId());
            EXPECT_EQ(variant, c.expected);
            EXPECT_EQ(value.toString(), c.expected.toString());
            EXPECT_EQ(rs.CurrentRow()[1].integer(), 7);
            rs.MoveNext();
        }
        EXPECT_TRUE(rs.IsEOF());
    }
}

// TOINT32() and TONUMBER() give what the conversions in C++ give for the same value, NULL where
// those refuse it; halves round to the even neighbour.
TEST(NumberFunctions, AgreeWithTheConversions)
{
    const char* const values[] = {
        "0.5",          "1.5",          "2.5",           "-0.5",          "-1.5",          "-2.5",
        "12.5",         "13.5",         "12.4999999999", "0.49999999999999994", "1048575.5", "4503599627370495.5",
        "2147483646.5", "2147483647.5", "-2147483648.5", "-2147483649.5", "2147483647",    "2147483648",
        "-2147483648",  "3000000000",   "1e300",         "'12.5'",        "' 13.5 '",      "'110'",
        "'-7'",         "'1e3'",        "'n/a'",         "''",            "'  '",          "NULL",
    };
    TempAppFolder folder;
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    for (const char* value : values) {
        SCOPED_TRACE(value);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT %1, TOINT32(%1), TONUMBER(%1)").arg(QLatin1String(value)), connection);
        rs.MoveFirst();
        const SqlValue& original = rs.CurrentRow()[0];
        const SqlValue& whole = rs.CurrentRow()[1];
        const SqlValue& number = rs.CurrentRow()[2];
        if (original.isNull()) {
            EXPECT_TRUE(whole.isNull());
            EXPECT_TRUE(number.isNull());
            continue;
        }
        try {
            const std::int32_t expected = Numeric::ToInt32(original);
            ASSERT_EQ(whole.type(), SqlValue::Type::Integer);
            EXPECT_EQ(whole.integer(), expected);
        } catch (const ConversionError&) {
            EXPECT_TRUE(whole.isNull()) << whole.toString().toStdString();
        }
        try {
            const double expected = Numeric::ToDouble(original);
            EXPECT_EQ(number.toDouble(), expected);
        } catch (const ConversionError&) {
            EXPECT_TRUE(number.isNull()) << number.toString().toStdString();
        }
    }
}

// A failure after the first row stops the scan with the engine's message and the statement.
TEST(Recordset, AnErrorInTheMiddleOfAForwardScan)
{
    TempAppFolder folder;
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    const QString sql = QStringLiteral("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3) "
                                       "SELECT i, CASE WHEN i = 3 THEN json('{') ELSE i END FROM n");
    Recordset rs;
    rs.Open(sql, connection, Recordset::Cursor::Forward);
    rs.MoveNext();
    try {
        rs.MoveNext();
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.Statement(), sql);
        EXPECT_TRUE(e.Message().contains(QStringLiteral("JSON"))) << e.Message().toStdString();
    }
    EXPECT_TRUE(rs.IsEOF());
}

} // namespace
