#include "AreaSum.h"
#include "LedgerFixture.h"
#include "TallixCondition.h"
#include "TallixReport.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

struct ReferenceCase
{
    const char* name;
    std::int16_t style;
    bool isArea;
};

class LedgerReference : public testing::TestWithParam<ReferenceCase>
{
};

// The window's run: clear, one pass per row in order, save.
TEST_P(LedgerReference, MatchesTheReferenceRows)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    TallixCondition condition = LedgerFixture::Condition(GetParam().style, QStringLiteral("B"), QString(),
                                                         LedgerFixture::AccommodationItems());
    const QStringList codes =
        GetParam().isArea
            ? QStringList{QStringLiteral("430000"), QStringLiteral("430100"), QStringLiteral("430200")}
            : QStringList{QStringLiteral("B1001"), QStringLiteral("B1002"), QStringLiteral("B2001"),
                          QStringLiteral("B1003")};
    TallixReport report;
    AreaSum engine;
    report.Clear();
    for (const QString& code : codes)
        report.Add(engine.CalculateTallix(code, condition, GetParam().isArea));
    report.Save();

    const QString difference = LedgerFixture::CompareWithReference(LedgerFixture::LedgerRows(folder),
                                                                   QString::fromLatin1(GetParam().name));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modes, LedgerReference,
                         testing::Values(ReferenceCase{"region_current.tsv", 1, true},
                                         ReferenceCase{"region_cumulative.tsv", 2, true},
                                         ReferenceCase{"region_same_period.tsv", 3, true},
                                         ReferenceCase{"region_cumulative_comparison.tsv", 4, true},
                                         ReferenceCase{"enterprise_cumulative_comparison.tsv", 4, false}),
                         [](const testing::TestParamInfo<ReferenceCase>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
