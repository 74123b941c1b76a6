#include "LedgerFixture.h"

#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

const char* const SourceRows = R"SQL(
INSERT INTO Area VALUES ('430000', '湖南省'), ('430100', '长沙市'), ('430200', '株洲市'), ('440000', '广东省');
INSERT INTO Base01 (code, unitname, regionalismcode, TravelAgencyType, Rooms, Beds) VALUES
    ('B1001', '芙蓉宾馆', '430102', '', 200, 380), ('B1002', '湘江饭店', '430103', '', 120, 230),
    ('B2001', '株洲招待所', '430202', '', 40, 80), ('B1003', '株洲大酒店', '430211', '', 300, 560),
    ('A0001', '湖南国际旅行社', '430102', '1', NULL, NULL), ('A0002', '长沙国内旅行社', '430104', '2', NULL, NULL),
    ('C0001', '岳麓山', '430104', '', NULL, NULL), ('E0001', '湘绣博物馆', '430105', '', 10, 0),
    ('B1009', '广州宾馆', '440103', '', 500, 900);
INSERT INTO Base05 (code, TableDate, RoomIncome, RestaurantIncome, InTourist) VALUES
    ('B1001', '2006-01-01', 10, 5, 100), ('B1001', '2006-02-01', 12, 6, 120), ('B1001', '2006-03-01', 15, 5, 150),
    ('B1001', '2006-04-01', 99, 99, 999),
    ('B1001', '2005-01-01', 8, 4, 80), ('B1001', '2005-02-01', 10, 5, 100), ('B1001', '2005-03-01', 12, 4, 120),
    ('B1002', '2006-01-01', 6, 2, 60), ('B1002', '2006-02-01', 7, 3, 70), ('B1002', '2006-03-01', 8, 2, 80),
    ('B1002', '2005-01-01', 5, 2, 50), ('B1002', '2005-02-01', 6, 2, 60), ('B1002', '2005-03-01', 6, 2, 64),
    ('B2001', '2006-03-01', 1.5, 0.5, 20), ('B2001', '2005-03-01', 2, 0, 25),
    ('B1003', '2006-02-01', 20, 10, 200), ('B1003', '2006-03-01', 30, 10, 250),
    ('B1009', '2006-03-01', 70, 30, 700);
INSERT INTO Base06 (code, TableDate, OperationIncome) VALUES
    ('B1001', '2006-01-01', 20), ('B1001', '2006-02-01', 22), ('B1001', '2006-03-01', 25),
    ('B1001', '2005-01-01', 15), ('B1001', '2005-02-01', 16), ('B1001', '2005-03-01', 18),
    ('B1002', '2006-03-01', 12), ('B1002', '2005-03-01', 10), ('B1003', '2006-03-01', 50);
INSERT INTO Base04 (code, TableDate, OrganizeGroups, OrganizePersons, ReceptionPersons, ReceptionDays) VALUES
    ('A0001', '2006-03-01', 3, 90, 120, 300), ('A0001', '2005-03-01', 2, 60, 100, 250),
    ('A0002', '2006-03-01', 5, 150, 200, 400);
INSERT INTO Base08 (code, TableDate, VisitorNum, TicketIncome) VALUES ('C0001', '2006-03-01', 5000, 12.5);
INSERT INTO Base09 (code, TableDate, VisitorNum, ServiceIncome) VALUES ('E0001', '2006-03-01', 800, 3.2)
)SQL";

} // namespace

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace LedgerFixture {

void FillSource(const TempAppFolder& folder)
{
    folder.Source(QString::fromUtf8(SourceRows));
}

Items AccommodationItems()
{
    return {{"Base05", "RoomIncome+RestaurantIncome"},
            {"Base05", "InTourist"},
            {"Base06", "OperationIncome"},
            {"Base01", "Rooms"}};
}

TallixCondition Condition(std::int16_t style, const QString& codeHead, const QString& subType,
                          const Items& items, std::int16_t year, std::int16_t month)
{
    TallixCondition condition;
    condition.YearStat = year;
    condition.MonthStat = month;
    condition.CodeHead = codeHead;
    condition.SubType = subType;
    condition.TableStyle = style;
    TallixIndexList indexs;
    for (const auto& [table, field] : items) {
        indexs.push_back(std::make_shared<TallixIndex>());
        indexs.back()->Tablename = table;
        indexs.back()->FieldName = field;
    }
    condition.SetCustomIndexs(indexs);
    return condition;
}

QStringList LedgerRows(const TempAppFolder& folder)
{
    return folder.OwnRows("SELECT value1,value2,value3,value4,value5,value6,value7,value8,value9,tablecode "
                          "FROM type22 ORDER BY rowid");
}

void ExpectReference(const TempAppFolder& folder, const char* name)
{
    bool exists = false;
    const QString expected = ReadTestFile(QStringLiteral("ledger/reference/") + QLatin1String(name), &exists);
    const QString actual = LedgerRows(folder).join(QLatin1Char('\n')) + QLatin1Char('\n');
    // multi-line std::strings make GoogleTest print a line diff
    EXPECT_TRUE(exists) << "reference ledger/reference/" << name << " is missing; the run gave:\n"
                        << actual.toStdString();
    if (exists) {
        EXPECT_EQ(expected.toStdString(), actual.toStdString()) << "ledger/reference/" << name;
    }
}

} // namespace LedgerFixture
