#include "TallixCondition.h"
#include "LedgerFixture.h"

#include <gtest/gtest.h>

namespace {

using LedgerFixture::Condition;

const QString Base04Cumulative = QStringLiteral(
    " LEFT JOIN (SELECT code, SUM(f1) AS f1, SUM(f2) AS f2 FROM Base04 WHERE YEAR(Base04.TableDate)=2005"
    " AND MONTH(Base04.TableDate)<=3 GROUP BY code) AS Base04 ON Base01.code=Base04.code");

TEST(CustomIndexsSql, TwoTablesByRegionCumulative)
{
    const TallixCondition c = Condition(2, QStringLiteral("C"), QString(),
                                        {{QStringLiteral("Base04"), QStringLiteral("f1+f2")},
                                         {QStringLiteral("Base05"), QStringLiteral("f3")}},
                                        2005, 3);
    EXPECT_EQ(c.CustomIndexsSql(QStringLiteral("110000"), true),
              QStringLiteral("SELECT 1 ,SUM(Base04.f1+Base04.f2) ,SUM(Base05.f3) FROM Base01 ") +
                  Base04Cumulative +
                  QStringLiteral(
                      " LEFT JOIN (SELECT code, SUM(f3) AS f3 FROM Base05 WHERE YEAR(Base05.TableDate)=2005"
                      " AND MONTH(Base05.TableDate)<=3 GROUP BY code) AS Base05 ON Base01.code=Base05.code"
                      " WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%'"));
}

TEST(CustomIndexsSql, OneTableInTwoSpellingsIsJoinedOnceAsFirstWritten)
{
    const TallixCondition c = Condition(4, QStringLiteral("C"), QString(),
                                        {{QStringLiteral("Base04"), QStringLiteral("f1")},
                                         {QStringLiteral("base04"), QStringLiteral("F1+f2")}},
                                        2005, 3);
    EXPECT_EQ(c.CustomIndexsSql(QStringLiteral("110000"), true),
              QStringLiteral("SELECT 1 ,SUM(Base04.f1) ,SUM(base04.F1+base04.f2) FROM Base01 ") +
                  Base04Cumulative +
                  QStringLiteral(" WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%'"));
}

TEST(CustomIndexsSql, RegisterFieldNeedsNoJoinAndLongSumsAreQualifiedTermByTerm)
{
    const TallixCondition c = Condition(1, QStringLiteral("B"), QString(),
                                        {{QStringLiteral("Base01"), QStringLiteral("Rooms+Beds")},
                                         {QStringLiteral("Base06"), QStringLiteral("x+y+z")}},
                                        2006, 12);
    EXPECT_EQ(
        c.CustomIndexsSql(QStringLiteral("B1001"), false),
        QStringLiteral("SELECT 1 ,Base01.Rooms+Base01.Beds ,Base06.x+Base06.y+Base06.z FROM Base01 "
                       " LEFT JOIN (SELECT code, SUM(x) AS x, SUM(y) AS y, SUM(z) AS z FROM Base06"
                       " WHERE YEAR(Base06.TableDate)=2006 AND MONTH(Base06.TableDate)=12 GROUP BY code)"
                       " AS Base06 ON Base01.code=Base06.code"
                       " WHERE Base01.code='B1001' AND Base01.code LIKE 'B%'"));
}

TEST(CustomIndexsSql, WithoutColumnsOnlyTheSelectionRemains)
{
    const TallixCondition c = Condition(0, QStringLiteral("B"), QString(), {});
    EXPECT_EQ(c.CustomIndexsSql(QStringLiteral("430000"), true),
              QStringLiteral(
                  "SELECT 1 FROM Base01  WHERE Base01.regionalismcode like '43%' AND Base01.code LIKE 'B%'"));
}

TEST(CustomIndexsSql, CodesArePastedSafely)
{
    const TallixCondition c = Condition(1, QStringLiteral("D"), QString(), {});
    EXPECT_TRUE(c.CustomIndexsSql(QStringLiteral("O'B1"), false)
                    .contains(QStringLiteral("WHERE Base01.code='O''B1'")));
    EXPECT_TRUE(c.CustomIndexsSql(QStringLiteral("4'1"), true).contains(QStringLiteral("like '4''1%'")));
}

TEST(CustomIndexs, TheListIsSharedNotCopied)
{
    TallixCondition c;
    auto index = std::make_shared<TallixIndex>();
    c.SetCustomIndexs({index});
    index->SumValueNew = 7;
    ASSERT_EQ(c.CustomIndexs().size(), 1u);
    EXPECT_EQ(c.CustomIndexs()[0].get(), index.get());
}

struct SelectionCase
{
    const char* code;
    const char* like;
};

class RegionSelection : public testing::TestWithParam<SelectionCase>
{
};

TEST_P(RegionSelection, FollowsTheRegionPrefixRule)
{
    const TallixCondition c = Condition(1, QStringLiteral("C"), QString(), {});
    EXPECT_TRUE(c.CustomIndexsSql(QString::fromLatin1(GetParam().code), true)
                    .endsWith(QStringLiteral(" WHERE Base01.regionalismcode like '") +
                              QString::fromLatin1(GetParam().like) +
                              QStringLiteral("%' AND Base01.code LIKE 'C%'")));
}

INSTANTIATE_TEST_SUITE_P(Codes, RegionSelection,
                         testing::Values(SelectionCase{"430000", "43"}, SelectionCase{"430100", "4301"},
                                         SelectionCase{"430102", "430102"}, SelectionCase{"000000", "00"},
                                         SelectionCase{" 430000 ", "43"}, SelectionCase{"43010", "43010"},
                                         SelectionCase{"", ""}));

struct PeriodCase
{
    std::int16_t style;
    const char* comparison;
};

class PeriodByStyle : public testing::TestWithParam<PeriodCase>
{
};

TEST_P(PeriodByStyle, CumulativeModesReadEveryMonthUpToTheReportMonth)
{
    const TallixCondition c = Condition(GetParam().style, QStringLiteral("C"), QString(),
                                        {{QStringLiteral("Base08"), QStringLiteral("v")}}, 2006, 5);
    EXPECT_TRUE(
        c.CustomIndexsSql(QStringLiteral("430000"), true)
            .contains(QStringLiteral("WHERE YEAR(Base08.TableDate)=2006 AND MONTH(Base08.TableDate)") +
                      QString::fromLatin1(GetParam().comparison) + QStringLiteral("5 GROUP BY code)")));
}

INSTANTIATE_TEST_SUITE_P(Styles, PeriodByStyle,
                         testing::Values(PeriodCase{0, "="}, PeriodCase{1, "="}, PeriodCase{2, "<="},
                                         PeriodCase{3, "="}, PeriodCase{4, "<="}));

struct UnitCase
{
    const char* codeHead;
    const char* subType;
    const char* clause;
};

class UnitType : public testing::TestWithParam<UnitCase>
{
};

TEST_P(UnitType, SelectsTheUnitsOfTheType)
{
    const TallixCondition c =
        Condition(1, QString::fromLatin1(GetParam().codeHead), QString::fromLatin1(GetParam().subType), {});
    EXPECT_EQ(c.CustomIndexsSql(QStringLiteral("B1"), false),
              QStringLiteral("SELECT 1 FROM Base01  WHERE Base01.code='B1'") +
                  QString::fromLatin1(GetParam().clause));
}

const char* const OtherUnits = " AND Base01.code NOT LIKE 'A%' AND Base01.code NOT LIKE 'B%'"
                               " AND Base01.code NOT LIKE 'C%' AND Base01.code NOT LIKE 'D%'";

INSTANTIATE_TEST_SUITE_P(
    Types, UnitType,
    testing::Values(UnitCase{"A", "1", " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '1'"},
                    UnitCase{"A", "2", " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '2'"},
                    UnitCase{"A", "", " AND Base01.code LIKE 'A%'"},
                    UnitCase{"A", "3", " AND Base01.code LIKE 'A%'"},
                    UnitCase{"a", "1", " AND Base01.code LIKE 'A%' AND Base01.travelagencytype = '1'"},
                    UnitCase{"B", "1", " AND Base01.code LIKE 'B1%'"},
                    UnitCase{"B", "2", " AND Base01.code NOT LIKE 'B1%' AND Base01.code LIKE 'B%'"},
                    UnitCase{"B", "", " AND Base01.code LIKE 'B%'"},
                    UnitCase{"C", "1", " AND Base01.code LIKE 'C%'"}, UnitCase{"D", "", OtherUnits},
                    UnitCase{"D", "2", OtherUnits}, UnitCase{"", "", OtherUnits},
                    UnitCase{"X", "1", OtherUnits}));

} // namespace
