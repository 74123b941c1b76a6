#include "RegionSelection.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase
{
    SqlValue regionalismcode;
    std::vector<int> positions;
};

// The regions: a province, its prefecture, a county, the prefecture again, a code with a
// wildcard, one of letters and the empty code (every enterprise).
TEST(RegionSelection, MatchesAsTheEnginesLikeDoes)
{
    RegionSelection regions({QStringLiteral("430000"), QStringLiteral("430100"), QStringLiteral("430102"),
                             QStringLiteral("4301"), QStringLiteral("44_1"), QStringLiteral("ab"),
                             QStringLiteral("")});
    const MatchCase cases[] = {
        {SqlValue::Text("430102"), {0, 1, 2, 3, 6}},
        {SqlValue::Text("430103"), {0, 1, 3, 6}},
        {SqlValue::Text("430200"), {0, 6}},
        {SqlValue::Text("4301"), {0, 1, 3, 6}},
        {SqlValue::Text("43"), {0, 6}},
        {SqlValue::Text("4"), {6}},
        {SqlValue::Text("440100"), {4, 6}},
        {SqlValue::Text("44x1"), {4, 6}},
        {SqlValue::Text("4410"), {6}},
        {SqlValue::Text("ABC"), {5, 6}}, // ASCII letters fold
        {SqlValue::Text(" 430102"), {6}},
        {SqlValue::Text(""), {6}},
        {SqlValue(), {}},                  // NULL is like nothing
        {SqlValue::Integer(430102), {0, 1, 2, 3, 6}},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.regionalismcode.toString().toStdString());
        EXPECT_EQ(regions.Matching(c.regionalismcode), c.positions);
    }
}

TEST(RegionSelection, StatementTestsEachPrefixNoOtherContains)
{
    const struct
    {
        QStringList codes;
        const char* clause;
    } cases[] = {
        {{QStringLiteral("430100")}, "regionalismcode like '4301%'"},
        {{QStringLiteral("430100"), QStringLiteral("430000"), QStringLiteral("430102"), QStringLiteral("440100"),
          QStringLiteral("430100")},
         "(regionalismcode like '43%' OR regionalismcode like '4401%')"},
        {{QStringLiteral("4'1")}, "regionalismcode like '4''1%'"},
        {{QStringLiteral("430000"), QStringLiteral("")}, ""}, // the empty code selects all
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegionSelection(c.codes).Clause(QStringLiteral("regionalismcode")), QString::fromUtf8(c.clause));
    }
    QStringList many;
    for (int i = 10; i < 10 + RegionSelection::MostPrefixesInClause + 1; ++i)
        many << QString::number(i) + QStringLiteral("0000");
    EXPECT_EQ(RegionSelection(many).Clause(QStringLiteral("regionalismcode")), QString()); // a scan is cheaper
}

} // namespace
