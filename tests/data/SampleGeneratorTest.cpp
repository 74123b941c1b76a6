// The sample source database: the same rows on every run, small, and enough of every kind
// that each report of each analysis has figures for Hunan and each of its prefectures.
#include "SampleGenerator.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "TempAppFolder.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const kTables[] = {"Area",       "Base01",     "Base04",     "Base05",
                               "Base06",     "Base08",     "Base09",     "dic_base04",
                               "dic_base05", "dic_base06", "dic_base08", "dic_base09"};

struct Region
{
    const char* code;
    const char* name;
};
const Region kPrefectures[] = {{"430100", "长沙市"}, {"430200", "株洲市"},
                               {"430300", "湘潭市"}, {"430400", "衡阳市"},
                               {"430500", "邵阳市"}, {"430600", "岳阳市"},
                               {"430700", "常德市"}, {"430800", "张家界市"},
                               {"430900", "益阳市"}, {"431000", "郴州市"},
                               {"431100", "永州市"}, {"431200", "怀化市"},
                               {"431300", "娄底市"}, {"433100", "湘西土家族苗族自治州"}};

// The rows the hotel pass reads for December 2025 with every box ticked and no range.
const QString kDecemberHotels = QStringLiteral(
    " FROM base05 INNER JOIN base01 on base01.code=base05.code "
    " LEFT JOIN base06 on base01.code=base06.code AND Year(base06.TableDate) = Year(base05.TableDate)"
    " AND Month(base06.TableDate)= Month(base05.TableDate) "
    " WHERE Year(base05.TableDate)=2025 AND Month(base05.TableDate)=12 AND year(opendate)<>-1");

class SampleDatabaseTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempAppFolder;
        SampleGenerator generator(SampleGenerator::Hunan());
        generator.Write(folder_->SourceDatabase());
        counts_ = generator.RowCounts();
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }

    static QStringList Source(const QString& sql) { return folder_->SourceRows(sql); }
    static long long Number(const QString& sql)
    {
        const QStringList rows = Source(sql);
        return rows.size() == 1 ? rows[0].toLongLong() : -1;
    }
    static double Real(const QString& sql)
    {
        const QStringList rows = Source(sql);
        return rows.size() == 1 ? rows[0].toDouble() : -1;
    }

    static TempAppFolder* folder_;
    static std::vector<SampleGenerator::TableCount> counts_;
};
TempAppFolder* SampleDatabaseTest::folder_ = nullptr;
std::vector<SampleGenerator::TableCount> SampleDatabaseTest::counts_;

TEST_F(SampleDatabaseTest, SecondRunWritesTheSameRows)
{
    QTemporaryDir other;
    const QString path = other.path() + QStringLiteral("/stat.dbc");
    SampleGenerator(SampleGenerator::Hunan()).Write(path);
    for (const char* table : kTables) {
        SCOPED_TRACE(table);
        const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table));
        const QStringList first = QueryRows(folder_->SourceDatabase(), sql);
        EXPECT_FALSE(first.isEmpty());
        EXPECT_EQ(first, QueryRows(path, sql));
    }
    DbConnection::ReleasePooled(other.path());
}

TEST_F(SampleDatabaseTest, StaysUnderFiveMegabytesAndCountsWhatItWrote)
{
    EXPECT_LT(QFileInfo(folder_->SourceDatabase()).size(), 5'000'000);
    ASSERT_EQ(counts_.size(), std::size(kTables));
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        EXPECT_EQ(counts_[i].Table, QLatin1String(kTables[i]));
        EXPECT_EQ(counts_[i].Rows, Number(QStringLiteral("SELECT COUNT(*) FROM ") + counts_[i].Table));
    }
    EXPECT_GE(Number(QStringLiteral("SELECT COUNT(*) FROM Base01")), 300);
}

TEST_F(SampleDatabaseTest, HunanWithItsRealPrefecturesAndCounties)
{
    EXPECT_EQ(Source(QStringLiteral("SELECT Areaname FROM Area WHERE Areacode='430000'")),
              QStringList{"湖南省"});
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Area WHERE Areacode LIKE '43__00' AND Areacode<>'430000'")),
              static_cast<long long>(std::size(kPrefectures)));
    for (const Region& p : kPrefectures) {
        SCOPED_TRACE(p.code);
        const QString code = QString::fromLatin1(p.code);
        EXPECT_EQ(Source(QStringLiteral("SELECT Areaname FROM Area WHERE Areacode='%1'").arg(code)),
                  QStringList{QString::fromUtf8(p.name)});
        EXPECT_GE(
            Number(QStringLiteral("SELECT COUNT(*) FROM Area WHERE Areacode LIKE '%1%' AND Areacode<>'%2'")
                       .arg(code.left(4), code)),
            4);
    }
    EXPECT_EQ(Source(QStringLiteral("SELECT Areaname FROM Area WHERE Areacode='430811'")),
              QStringList{"武陵源区"});
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base01 WHERE regionalismcode NOT IN (SELECT Areacode FROM Area)")),
              0);
}

TEST_F(SampleDatabaseTest, CodesCarryTheirCategory)
{
    // travel agencies, the five accommodation categories, scenic areas, other enterprises: nothing else
    EXPECT_EQ(
        Number(QStringLiteral("SELECT COUNT(*) FROM Base01 WHERE NOT (code LIKE 'A%' OR code LIKE 'B1%' OR "
                              "code LIKE 'B2%' OR code LIKE 'B3%' OR code LIKE 'B4%' OR code LIKE 'B9%' OR "
                              "code LIKE 'C%' OR code LIKE 'E%' OR code LIKE 'F%')")),
        0);
    EXPECT_EQ(Source(QStringLiteral(
                  "SELECT DISTINCT TravelAgencyType FROM Base01 WHERE code LIKE 'A%' ORDER BY 1")),
              (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base01 WHERE code NOT LIKE 'A%' AND TravelAgencyType IS NOT NULL")),
              0);
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base01 WHERE OpenDate IS NULL OR unitname IS NULL OR unitname=''")),
              0);
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B%' AND AccommodationStar IS NULL")),
              0);
    EXPECT_EQ(Number(QStringLiteral("SELECT COUNT(DISTINCT unitname) * 10 >= COUNT(*) * 9 FROM Base01")), 1);
}

TEST_F(SampleDatabaseTest, DecemberHotelsCoverEveryGroupOfTheHotelReports)
{
    const QStringList codes = Source(QStringLiteral("SELECT DISTINCT RegistrationType") + kDecemberHotels);
    for (const char* code : {"110", "120", "130", "140", "150", "160", "170", "190", "210", "220", "230",
                             "240", "310", "320", "330", "340", "180"})
        EXPECT_TRUE(codes.contains(QLatin1String(code))) << code;
    const QStringList stars = Source(QStringLiteral("SELECT DISTINCT AccommodationStar") + kDecemberHotels);
    for (const char* star : {"0", "1", "2", "3", "4", "5", "7"})
        EXPECT_TRUE(stars.contains(QLatin1String(star))) << star;
    for (const char* band :
         {"Rooms >= 500", "Rooms BETWEEN 300 AND 499", "Rooms BETWEEN 200 AND 299",
          "Rooms BETWEEN 100 AND 199", "Rooms BETWEEN 1 AND 99", "Rooms = 0", "Rooms IS NULL"})
        EXPECT_GT(Number(QStringLiteral("SELECT COUNT(*)") + kDecemberHotels + " AND " + band), 0) << band;
    for (const char* head : {"B1", "B2", "B3", "B4", "B9"})
        EXPECT_GT(Number(QStringLiteral("SELECT COUNT(*)") + kDecemberHotels + " AND base01.code LIKE '" +
                         head + "%'"),
                  0)
            << head;
}

TEST_F(SampleDatabaseTest, EveryPrefectureHasHotelFiguresForDecember2025)
{
    QStringList regions{"430000"};
    for (const Region& p : kPrefectures)
        regions << QString::fromLatin1(p.code);
    for (const QString& code : regions) {
        SCOPED_TRACE(code.toStdString());
        const QString prefix = code.endsWith(QLatin1String("0000")) ? code.left(2) : code.left(4);
        const QString where = QStringLiteral(" AND regionalismcode LIKE '%1%'").arg(prefix);
        EXPECT_GE(Number(QStringLiteral("SELECT COUNT(*)") + kDecemberHotels + where +
                         " AND base06.code IS NOT NULL"),
                  3);
        EXPECT_GT(Number(QStringLiteral("SELECT COUNT(*)") + kDecemberHotels + where +
                         " AND RegistrationType BETWEEN '210' AND '340'"),
                  0);
        // one figure behind each of the reports 1-2 to 1-10
        for (const char* sum :
             {"RealRoomDay", "CheckRoomDay", "RoomIncome", "RestaurantIncome", "OtherIncome", "InTourist",
              "InTouristDay", "HKer+Macaoer+TWer", "ForeignDay", "Beds", "FixAssetsInitialPrice",
              "OperationTaxAddition", "OperationIncome", "ProfitTotal", "YearendEmployment"})
            EXPECT_NE(
                Real(QStringLiteral("SELECT SUM(%1)").arg(QLatin1String(sum)) + kDecemberHotels + where), 0)
                << sum;
    }
}

struct YearlyReturn
{
    const char* kind;
    const char* table;
    const char* enterprises;
};

TEST_F(SampleDatabaseTest, EveryPrefectureHasYearlyReturnsOfEveryKindInBothYears)
{
    const YearlyReturn kinds[] = {
        {"international agencies", "Base04", "Base01.code LIKE 'A%' AND TravelAgencyType='1'"},
        {"domestic agencies", "Base04", "Base01.code LIKE 'A%' AND TravelAgencyType='2'"},
        {"hotels", "Base06", "Base01.code LIKE 'B1%'"},
        {"scenic areas", "Base08", "Base01.code LIKE 'C%'"},
        {"other enterprises", "Base09",
         "Base01.code NOT LIKE 'A%' AND Base01.code NOT LIKE 'B%' AND Base01.code NOT LIKE 'C%' AND "
         "Base01.code NOT LIKE 'D%'"},
    };
    for (const YearlyReturn& kind : kinds)
        for (const Region& p : kPrefectures)
            for (int year : {2024, 2025}) {
                const QString sql =
                    QStringLiteral("SELECT COUNT(*), SUM(T.OperationIncome) FROM Base01 INNER JOIN %1 T "
                                   "ON T.code=Base01.code WHERE regionalismcode LIKE '%2%' AND %3 "
                                   "AND T.TableDate='%4-12-31'")
                        .arg(QLatin1String(kind.table), QString::fromLatin1(p.code).left(4),
                             QLatin1String(kind.enterprises), QString::number(year));
                const QStringList fields = Source(sql).value(0).split('\t');
                EXPECT_GT(fields.value(0).toInt(), 0) << kind.kind << " " << p.code << " " << year;
                EXPECT_GT(fields.value(1).toDouble(), 0) << kind.kind << " " << p.code << " " << year;
            }
}

TEST_F(SampleDatabaseTest, ReturnsAreDatedAtMonthAndYearEnds)
{
    const QStringList months = Source(QStringLiteral("SELECT DISTINCT TableDate FROM Base05 ORDER BY 1"));
    ASSERT_EQ(months.size(), 24);
    EXPECT_EQ(months.first(), QStringLiteral("2024-01-31"));
    EXPECT_TRUE(months.contains(QStringLiteral("2024-02-29")));
    EXPECT_EQ(months.last(), QStringLiteral("2025-12-31"));
    for (const char* table : {"Base04", "Base06", "Base08", "Base09"})
        EXPECT_EQ(
            Source(QStringLiteral("SELECT DISTINCT TableDate FROM %1 ORDER BY 1").arg(QLatin1String(table))),
            (QStringList{"2024-12-31", "2025-12-31"}))
            << table;
}

TEST_F(SampleDatabaseTest, FiguresHangTogether)
{
    // nothing let beyond what was available, available rooms within rooms x days
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base05 WHERE RealRoomDay > CheckRoomDay OR RealRoomDay < 0")),
              0);
    EXPECT_EQ(
        Number(QStringLiteral("SELECT COUNT(*) FROM Base05 INNER JOIN Base01 ON Base01.code=Base05.code "
                              "WHERE CheckRoomDay > Rooms * CAST(substr(TableDate, 9, 2) AS INTEGER)")),
        0);
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base05 WHERE InTouristDay < InTourist OR HkerDay < HKer")),
              0);
    EXPECT_EQ(Number(QStringLiteral(
                  "SELECT COUNT(*) FROM Base06 WHERE AccumulatedDepreciation > FixAssetsInitialPrice")),
              0);
    // a room sells for tens to hundreds of yuan, never thousands
    const double price =
        Real(QStringLiteral("SELECT SUM(RoomIncome) * 10000 / SUM(RealRoomDay) FROM Base05"));
    EXPECT_GT(price, 100);
    EXPECT_LT(price, 800);
    // the country columns add up to the foreign guests' nights
    EXPECT_EQ(Number(QStringLiteral("SELECT COUNT(*) FROM Base05 WHERE Japan IS NULL AND ForeignDay > 0")),
              0);
}

TEST_F(SampleDatabaseTest, HasNullsAndMissingReturns)
{
    const char* const checks[] = {
        "SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B1%' AND Rooms IS NULL",
        "SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B%' AND UnitType IS NULL",
        "SELECT COUNT(*) FROM Base05 WHERE Japan IS NULL",
        "SELECT COUNT(*) FROM Base06 WHERE YearendEmployment IS NULL OR FixAssetsTotal IS NULL",
        "SELECT COUNT(*) FROM Base04 WHERE OperationTaxAddition IS NULL OR ReceptionDays IS NULL",
        "SELECT COUNT(*) FROM Base08 WHERE TicketIncome IS NULL",
        "SELECT COUNT(*) FROM Base09 WHERE VisitorNum IS NULL OR ServiceIncome IS NULL",
        // hotels open the whole time that still lack a month, or a yearly return
        "SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B%' AND OpenDate < '2024-01-01' "
        "AND (SELECT COUNT(*) FROM Base05 WHERE Base05.code=Base01.code) < 24",
        "SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B%' AND OpenDate < '2024-01-01' "
        "AND (SELECT COUNT(*) FROM Base06 WHERE Base06.code=Base01.code) < 2",
        // enterprises that opened during the sample
        "SELECT COUNT(*) FROM Base01 WHERE OpenDate >= '2024-01-01'",
    };
    for (const char* sql : checks)
        EXPECT_GT(Number(QString::fromLatin1(sql)), 0) << sql;
}

TEST_F(SampleDatabaseTest, ItemDictionariesNameNumberColumnsOfTheirReturnTables)
{
    const QStringList returns =
        folder_->OwnRows(QStringLiteral("SELECT tablename, indextable FROM dic_ttallix"));
    ASSERT_EQ(returns.size(), 5);
    for (const QString& entry : returns) {
        const QString table = entry.section('\t', 0, 0);
        const QString dictionary = entry.section('\t', 1, 1);
        SCOPED_TRACE(dictionary.toStdString());
        QSet<QString> numbers;
        for (const QString& column :
             Source(QStringLiteral("SELECT name, type FROM pragma_table_info('%1')").arg(table)))
            if (column.endsWith(QLatin1String("\tINTEGER")) || column.endsWith(QLatin1String("\tREAL")))
                numbers.insert(column.section('\t', 0, 0));
        const QStringList items = Source(QStringLiteral("SELECT content, fieldname FROM ") + dictionary);
        EXPECT_GE(items.size(), 5);
        EXPECT_LE(items.size(), 10);
        for (const QString& item : items) {
            const QString content = item.section('\t', 0, 0);
            const QString fieldname = item.section('\t', 1, 1);
            EXPECT_FALSE(content.trimmed().isEmpty());
            EXPECT_FALSE(fieldname.contains(' ')) << fieldname.toStdString();
            for (const QString& field : fieldname.split('+'))
                EXPECT_TRUE(numbers.contains(field)) << field.toStdString();
            // the ledger's query for Hunan, December 2025, finds a figure for every item
            const QString qualified = table + '.' + QString(fieldname).replace("+", "+" + table + '.');
            EXPECT_GT(
                Real(QStringLiteral("SELECT SUM(%1) FROM Base01 LEFT JOIN %2 ON Base01.code=%2.code AND "
                                    "YEAR(%2.TableDate)=2025 AND MONTH(%2.TableDate)=12 "
                                    "WHERE Base01.regionalismcode like '43%'")
                         .arg(qualified, table)),
                0)
                << fieldname.toStdString();
        }
    }
}

// Two provinces, one prefecture without counties, three years and a small count.
SampleGenerator::Config SmallConfig()
{
    SampleGenerator::Config config;
    config.Provinces = {
        {"420000",
         "湖北省",
         {{"420100", "武汉市", {{"420102", "江岸区"}, {"420103", "江汉区"}}}, {"420500", "宜昌市", {}}}},
        {"430000", "湖南省", {{"430800", "张家界市", {{"430811", "武陵源区"}}}}},
    };
    config.FirstYear = 2023;
    config.YearCount = 3;
    config.Seed = 7;
    config.Hotels = 10;
    config.OtherAccommodation = 1;
    config.TravelAgencies = 1;
    config.ScenicAreas = 1;
    config.OtherEnterprises = 1;
    return config;
}

TEST(SampleGeneratorConfig, FollowsTheConfiguration)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/stat.dbc");
    SampleGenerator(SmallConfig()).Write(path);
    EXPECT_EQ(QueryRows(path, QStringLiteral("SELECT Areacode FROM Area ORDER BY rowid")),
              (QStringList{"420000", "420100", "420102", "420103", "420500", "430000", "430800", "430811"}));
    // the configured share, but never fewer than three hotels and two of the other kinds a prefecture
    for (const char* region : {"4201", "4205", "4308"}) {
        SCOPED_TRACE(region);
        const QString where = QStringLiteral(" WHERE regionalismcode LIKE '%1%'").arg(QLatin1String(region));
        EXPECT_GE(QueryRows(path, "SELECT COUNT(*) FROM Base01" + where + " AND code LIKE 'B1%'").value(0).toInt(),
                  3);
        EXPECT_GE(QueryRows(path, "SELECT COUNT(*) FROM Base01" + where + " AND code LIKE 'A%'").value(0).toInt(),
                  2);
        EXPECT_GE(QueryRows(path, "SELECT COUNT(*) FROM Base01" + where + " AND code LIKE 'C%'").value(0).toInt(),
                  2);
    }
    EXPECT_GE(
        QueryRows(path, QStringLiteral("SELECT COUNT(*) FROM Base01 WHERE code LIKE 'B1%'")).value(0).toInt(), 10);
    // a prefecture without counties keeps its enterprises itself
    EXPECT_EQ(
        QueryRows(path, QStringLiteral(
                       "SELECT DISTINCT regionalismcode FROM Base01 WHERE regionalismcode LIKE '4205%'")),
        QStringList{"420500"});
    EXPECT_EQ(QueryRows(path, QStringLiteral(
                             "SELECT MIN(TableDate), MAX(TableDate), COUNT(DISTINCT TableDate) FROM Base05")),
              QStringList{"2023-01-31\t2025-12-31\t36"});

    // another seed, other figures over the same regions
    SampleGenerator::Config reseeded = SmallConfig();
    reseeded.Seed = 8;
    const QString other = dir.path() + QStringLiteral("/other.dbc");
    SampleGenerator(reseeded).Write(other);
    EXPECT_EQ(QueryRows(path, QStringLiteral("SELECT * FROM Area")),
              QueryRows(other, QStringLiteral("SELECT * FROM Area")));
    EXPECT_NE(QueryRows(path, QStringLiteral("SELECT * FROM Base05")),
              QueryRows(other, QStringLiteral("SELECT * FROM Base05")));
    DbConnection::ReleasePooled(dir.path());
}

} // namespace
