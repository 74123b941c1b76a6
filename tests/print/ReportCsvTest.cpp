#include "ReportCsv.h"
#include "PdfText.h"
#include "ReportSource.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ReportCsv, GroupHeadingsAndFiguresMatchTheReference)
{
    TempAppFolder folder;
    InsertRows(folder, "type55", "1_8",
               {{"合计", "12", "1.5", "12345", "12.34", "456789", "23456", "5.13"},
                {"长沙市", "12", "1.5", "12345", "12.34", "456789", "23456", "5.13"}});
    const auto document = ReportSource::Load({"1-8", {}, {}});
    ASSERT_NE(document, nullptr);
    bool exists = false;
    const QString reference = ReadTestFile(QStringLiteral("print/reference/1-8.csv"), &exists);
    ASSERT_TRUE(exists) << "tests/print/reference/1-8.csv is missing";
    // The reference is kept with the repository's line ends; the file itself ends lines with CRLF.
    QByteArray csv = ReportCsv::Encode(*document);
    EXPECT_EQ(csv.count("\r\n"), 4);
    csv.replace("\r\n", "\n");
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF") + reference.toUtf8());
}

TEST(ReportCsv, QuotesWhatASpreadsheetWouldSplitOrTrim)
{
    TempAppFolder folder;
    InsertRows(folder, "type66", "211",
               {{"     合计", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                {"甲,乙 \"丙\"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}});
    const auto document = ReportSource::Load({"2-1-1", {}, {}});
    const QString text = QString::fromUtf8(ReportCsv::Encode(*document).mid(3));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5); // title, headings, two rows, and the end of the last line
    EXPECT_EQ(lines[0], QStringLiteral("表2-1-1 旅游企业经济指标（按行业分）"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("项目,固定资产原值（万元）,")));
    EXPECT_EQ(lines[2], QStringLiteral("\"     合计\",1,2,3,4,5,6,7,8,9,10,11,12"));
    EXPECT_EQ(lines[3], QStringLiteral("\"甲,乙 \"\"丙\"\"\",1,2,3,4,5,6,7,8,9,10,11,12"));
    EXPECT_EQ(lines[4], QString());
}

TEST(ReportCsv, LedgerShowsOnlyItsColumns)
{
    TempAppFolder folder;
    InsertRows(folder, "type22", "", {{"合计", "2.5", "0.25", "", "", "", "", "", ""}});
    const auto document =
        ReportSource::Load({"3_3", "旅游企业台帐（按同期比较）", {"营业收入（同比%）", "利润（同比%）"}});
    QTemporaryDir dir;
    const QString path = dir.filePath("ledger.csv");
    ASSERT_TRUE(ReportCsv::Write(*document, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("旅游企业台帐（按同期比较）\r\n项目,营业收入（同比%）,利润（同比%）\r\n"
                                 "合计,250.00,25.00\r\n")
                      .toUtf8());
    EXPECT_FALSE(ReportCsv::Write(*document, QStringLiteral("/nonexistent-folder/x.csv")));
}

} // namespace
