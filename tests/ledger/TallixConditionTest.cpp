#include "TallixCondition.h"
#include "LedgerFixture.h"

#include <gtest/gtest.h>

namespace {

using LedgerFixture::Condition;

struct StatementCase
{
    std::int16_t style;
    const char* codeHead;
    LedgerFixture::Items items;
    const char* code;
    bool isArea;
    std::int16_t year;
    std::int16_t month;
    const char* sql;
};

// Each return table is summed per enterprise (of the selection only) before the join, each
// column's own expression per return, so two return tables never pair their rows; one table in two spellings is joined once as first written; a register field
// needs no join; every term of a sum is qualified; the last field tells whether any summed figure is a text; one
// enterprise's returns are picked by its code alone.
TEST(CustomIndexsSql, IsTheExactStatement)
{
    // clang-format off
    const StatementCase cases[] = {{2, "C", {{"Base04", "f1+f2"}, {"Base05", "f3"}}, "110000", true, 2005, 3,
        "SELECT 1 ,SUM(Base04.c0) ,SUM(Base05.c1) ,MAX(Base04.TextValueFound OR Base05.TextValueFound) FROM Base01  "
        "LEFT JOIN (SELECT code, SUM(Base04.f1+Base04.f2) AS c0, MAX(max(typeof(Base04.f1),typeof(Base04.f2))='text') "
        "AS TextValueFound FROM Base04 WHERE Base04.code IN (SELECT Base01.code FROM Base01 WHERE "
        "Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%') AND YEAR(Base04.TableDate)=2005 AND "
        "MONTH(Base04.TableDate)<=3 AND (Base04.TableDate >= '2005-' AND Base04.TableDate < '2005/') GROUP BY code) "
        "AS Base04 ON Base01.code=Base04.code LEFT JOIN (SELECT code, SUM(Base05.f3) AS c1, "
        "MAX(typeof(Base05.f3)='text') AS TextValueFound FROM Base05 WHERE Base05.code IN (SELECT Base01.code FROM "
        "Base01 WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%') AND YEAR(Base05.TableDate)=2005 "
        "AND MONTH(Base05.TableDate)<=3 AND (Base05.TableDate >= '2005-' AND Base05.TableDate < '2005/') GROUP BY "
        "code) AS Base05 ON Base01.code=Base05.code WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE "
        "'C%'"},
    StatementCase{4, "C", {{"Base04", "f1"}, {"base04", "F1+f2"}}, "110000", true, 2005, 3,
        "SELECT 1 ,SUM(Base04.c0) ,SUM(Base04.c1) ,MAX(Base04.TextValueFound) FROM Base01  LEFT JOIN (SELECT code, "
        "SUM(Base04.f1) AS c0, SUM(Base04.F1+Base04.f2) AS c1, MAX(max(typeof(Base04.f1),typeof(Base04.f2))='text') "
        "AS TextValueFound FROM Base04 WHERE Base04.code IN (SELECT Base01.code FROM Base01 WHERE "
        "Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%') AND YEAR(Base04.TableDate)=2005 AND "
        "MONTH(Base04.TableDate)<=3 AND (Base04.TableDate >= '2005-' AND Base04.TableDate < '2005/') GROUP BY code) "
        "AS Base04 ON Base01.code=Base04.code WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%'"},
    {1, "B", {{"Base01", "Rooms+Beds"}, {"Base06", "x+y+z"}}, "B1001", false, 2006, 12,
        "SELECT 1 ,Base01.Rooms+Base01.Beds ,Base06.c1 ,Base06.TextValueFound OR "
        "max(typeof(Base01.Rooms),typeof(Base01.Beds))='text' FROM Base01  LEFT JOIN (SELECT code, "
        "SUM(Base06.x+Base06.y+Base06.z) AS c1, MAX(max(typeof(Base06.x),typeof(Base06.y),typeof(Base06.z))='text') "
        "AS TextValueFound FROM Base06 WHERE Base06.code='B1001' AND YEAR(Base06.TableDate)=2006 AND "
        "MONTH(Base06.TableDate)=12 AND (Base06.TableDate >= '2006-12' AND Base06.TableDate < '2006-13') GROUP BY "
        "code) AS Base06 ON Base01.code=Base06.code WHERE Base01.code='B1001' AND Base01.code LIKE 'B%'"}};
    // clang-format on
    for (const StatementCase& c : cases) {
        EXPECT_EQ(Condition(c.style, c.codeHead, QString(), c.items, c.year, c.month)
                      .CustomIndexsSql(c.code, c.isArea),
                  QString::fromUtf8(c.sql));
    }
}

struct SelectionCase
{
    const char* code;
    bool isArea;
    const char* codeHead;
    const char* subType;
    const char* selection;
    const char* unit;
};

const char* const Scenic = " AND Base01.code LIKE 'C%'";
const char* const Others = " AND Base01.code NOT LIKE 'A%' AND Base01.code NOT LIKE 'B%' AND Base01.code NOT "
                           "LIKE 'C%' AND Base01.code NOT LIKE 'D%'";
const char* const B1 = "Base01.code='B1'";

// Without columns only the selection of the enterprises remains. The region prefix rule itself
// is proved with RegionCode.
TEST(CustomIndexsSql, SelectsByRegionPrefixOrCodeAndUnitType)
{
    // clang-format off
    const SelectionCase cases[] = {
        {"430000", true, "C", "", "Base01.regionalismcode like '43%'", Scenic},
        {"430100", true, "C", "", "Base01.regionalismcode like '4301%'", Scenic},
        {"430102", true, "C", "", "Base01.regionalismcode like '430102%'", Scenic},
        // a value between apostrophes never ends the text early
        {"4'1", true, "C", "", "Base01.regionalismcode like '4''1%'", Scenic},
        {"O'B1", false, "D", "", "Base01.code='O''B1'", Others},
        {"B1", false, "A", "1", B1, " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '1'"},
        {"B1", false, "A", "2", B1, " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '2'"},
        {"B1", false, "A", "", B1, " AND Base01.code LIKE 'A%'"},
        {"B1", false, "A", "3", B1, " AND Base01.code LIKE 'A%'"},
        {"B1", false, "a", "1", B1, " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '1'"},
        {"B1", false, "B", "1", B1, " AND Base01.code LIKE 'B1%'"},
        {"B1", false, "B", "2", B1, " AND Base01.code NOT LIKE 'B1%' AND Base01.code LIKE 'B%'"},
        {"B1", false, "B", "", B1, " AND Base01.code LIKE 'B%'"},
        {"B1", false, "C", "1", B1, Scenic}, {"B1", false, "D", "", B1, Others},
        {"B1", false, "D", "2", B1, Others}, {"B1", false, "", "", B1, Others},
        {"B1", false, "X", "1", B1, Others}};
    // clang-format on
    for (const SelectionCase& c : cases) {
        EXPECT_EQ(Condition(0, c.codeHead, c.subType, {}).CustomIndexsSql(c.code, c.isArea),
                  QStringLiteral("SELECT 1 FROM Base01  WHERE ") + QLatin1String(c.selection) +
                      QLatin1String(c.unit))
            << c.code << " " << c.codeHead << c.subType;
    }
}

// Style 0 (never set) reads like the current period.
TEST(CustomIndexsSql, CumulativeModesReadEveryMonthUpToTheReportMonth)
{
    const std::pair<std::int16_t, const char*> styles[] = {
        {0, "="}, {1, "="}, {2, "<="}, {3, "="}, {4, "<="}};
    for (const auto& [style, comparison] : styles) {
        EXPECT_TRUE(
            Condition(style, "C", QString(), {{"Base08", "v"}}, 2006, 5)
                .CustomIndexsSql("430000", true)
                .contains(QStringLiteral(" AND YEAR(Base08.TableDate)=2006 AND MONTH(Base08.TableDate)") +
                          comparison + "5 AND (Base08.TableDate"))
            << style;
    }
}

} // namespace
