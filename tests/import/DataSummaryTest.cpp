// What the summary counts, on a source database written directly.
#include "DataSummary.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(DataSummary, NamesWhatTheReportsWillNotCount)
{
    TempAppFolder folder;
    folder.Source(QStringLiteral(
        "INSERT INTO Area VALUES ('430000', '湖南省'), ('430102', '芙蓉区'), (NULL, '无码');"
        "INSERT INTO Base01 (code, regionalismcode) VALUES ('B1', '430102'), ('B2', NULL), ('B3', ' '),"
        " ('B4', '999999');"
        "INSERT INTO Base05 (code, TableDate, InTourist) VALUES ('B1', '2025-01-01', 1), ('B1', '2025-01-15', 2),"
        " ('X9', '2025-02-01', 3), ('B4', '2025-02-01', 'n/a');"
        "INSERT INTO Base06 (code, TableDate, OperationIncome, ProfitTotal) VALUES ('B1', '2025-01-31', 5, '1,5')"));
    const DataSummary s = DataSummary::Of(folder.SourceDatabase());
    const struct
    {
        const char* what;
        long long count;
        QStringList first;
    } expected[] = {
        {"R01 地区码为空或不在 Area 中", 3, {"B2", "B3", "B4"}},
        {"R02 饭店没有可用的客房数", 4, {"B1", "B2", "B3", "B4"}},
        {"R03 星级或登记注册类型不在报表分组之内", 4, {"B1", "B2", "B3", "B4"}},
        {"Base05 中企业码不在 Base01 中的报表", 1, {"X9"}},
        {"M08 Base05 中同一企业同一月份的两份以上报表", 1, {"B1 2025-01"}},
        {"Base05 中数值列里是文字的记录", 1, {"B4（InTourist）"}},
        {"Base06 中数值列里是文字的记录", 1, {"B1（ProfitTotal）"}},
    };
    ASSERT_EQ(s.Findings.size(), std::size(expected));
    for (std::size_t i = 0; i < s.Findings.size(); ++i) {
        EXPECT_EQ(s.Findings[i].What, QString::fromUtf8(expected[i].what));
        EXPECT_EQ(s.Findings[i].Count, expected[i].count) << expected[i].what;
        EXPECT_EQ(s.Findings[i].First, expected[i].first) << expected[i].what;
    }
    // a database that was not imported: rows counted, deletions unknown
    const auto base05 = std::find_if(s.Tables.begin(), s.Tables.end(), [](const auto& t) { return t.Table == "Base05"; });
    ASSERT_NE(base05, s.Tables.end());
    EXPECT_EQ(base05->Rows, 4);
    EXPECT_EQ(base05->Deleted, -1);
    EXPECT_EQ(base05->Enterprises, 3);
    EXPECT_EQ(base05->First + base05->Last, QStringLiteral("2025-01-012025-02-01"));
    EXPECT_TRUE(s.Text().contains(QStringLiteral("M08 Base05 中同一企业同一月份的两份以上报表：1 条（B1 2025-01）")));
}

// Column names come from the files imported: any character in them is taken as part of the
// name, never as part of the statement.
TEST(DataSummary, ColumnNamesAreQuotedWhateverTheyHold)
{
    for (const QString& name :
         {QStringLiteral("X\"Y"), QStringLiteral("' || (select group_concat(name) from sqlite_schema) || '"),
          QStringLiteral("A%1B")}) {
        SCOPED_TRACE(name.toStdString());
        TempAppFolder folder;
        const QString quoted = QLatin1Char('"') +
                               QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                               QLatin1Char('"');
        folder.Source(
            QStringLiteral("ALTER TABLE Base01 ADD COLUMN %1 REAL;"
                           "INSERT INTO Area VALUES ('430102', '芙蓉区');"
                           "INSERT INTO Base01 (code, regionalismcode, %1) VALUES ('B1', '430102', 'n/a')")
                .arg(quoted));
        const DataSummary s = DataSummary::Of(folder.SourceDatabase());
        const auto text = std::find_if(s.Findings.begin(), s.Findings.end(), [](const auto& f) {
            return f.What == QStringLiteral("Base01 中数值列里是文字的记录");
        });
        ASSERT_NE(text, s.Findings.end());
        EXPECT_EQ(text->First, QStringList{QStringLiteral("B1（") + name + QStringLiteral("）")});
    }
}

} // namespace
