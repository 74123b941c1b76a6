#include "PrintCommand.h"
#include "CliError.h"
#include "Connection.h"
#include "HotelCommand.h"
#include "HotelFixture.h"
#include "OutputFile.h"
#include "PdfText.h"
#include "ReportDocument.h"
#include "ReportRun.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintCommandRun : public ::testing::Test
{
protected:
    int Run(const QStringList& arguments)
    {
        QString text;
        QTextStream out(&text);
        return PrintCommand::Run(arguments, out);
    }
    QString Refusal(const QStringList& arguments)
    {
        try {
            Run(arguments);
        } catch (const CliError& e) {
            return e.Message();
        }
        return QString();
    }

    TempAppFolder folder;
    QTemporaryDir dir;
};

TEST_F(PrintCommandRun, WritesPdfAndCsvOfADictionaryReport)
{
    InsertRows(folder, "type44", "211A", {{"合计", "9", "4", "1", "3", "2", "1", "2", "1", "1"}});
    const QString pdf = dir.filePath("a.pdf");
    const QString csv = dir.filePath("a.csv");
    EXPECT_EQ(Run({"--report", "2-1-1A", "--pdf", pdf, "--csv", csv}), 0);
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("表2-1-1A 旅游企业基本单位数（个）")));
    const QString text = QString::fromUtf8(FileBytes(csv).mid(3));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("表2-1-1A 旅游企业基本单位数（个）\r\n地区,合计,旅行社小计,")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n合计,9,4,1,3,2,1,2,1,1\r\n")));
}

TEST_F(PrintCommandRun, LedgerTakesItsTitleFromTheModeUnlessGiven)
{
    InsertRows(folder, "type22", "", {{"合计", "0.5", "0.25", "", "", "", "", "", ""}});
    const QString csv = dir.filePath("l.csv");
    EXPECT_EQ(Run({"--report", "3_4", "--csv", csv, "--item2", "利润（累比%）"}), 0);
    EXPECT_EQ(QString::fromUtf8(FileBytes(csv).mid(3)),
              QStringLiteral("旅游企业台帐（按累计比较）\r\n项目,,利润（累比%）\r\n合计,50.00,25.00\r\n"));
    EXPECT_EQ(Run({"--report", "3_1", "--csv", csv, "--title", "台帐", "--item1", "收入"}), 0);
    EXPECT_TRUE(QString::fromUtf8(FileBytes(csv).mid(3)).startsWith(QStringLiteral("台帐\r\n项目,收入,\r\n")));
}

TEST_F(PrintCommandRun, RefusesBadInput)
{
    const QString pdf = dir.filePath("x.pdf");
    EXPECT_EQ(Refusal({"--report", "1_11", "--pdf", pdf}), QStringLiteral("没有这个报表：1_11"));
    EXPECT_EQ(Refusal({"--report", "2-1-1E", "--pdf", pdf}), QStringLiteral("没有这个报表：2-1-1E"));
    EXPECT_FALSE(Refusal({"--report", "1-1"}).isEmpty());
    EXPECT_FALSE(Refusal({"--pdf", pdf}).isEmpty());
    EXPECT_FALSE(Refusal({"--report", "1-1", "--pdf", pdf, "--title", "x"}).isEmpty());
    EXPECT_FALSE(Refusal({"--report", "1-1", "--pdf", "/nonexistent-folder/x.pdf"}).isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

// A comparison ledger prints percent with two decimals under the run's own captions; the
// result table keeps the fraction.
TEST_F(PrintCommandRun, ComparisonLedgerPrintsPercentUnderTheRunsCaptions)
{
    InsertRows(folder, "type22", "", {{"合计", "0.112026813031888", "-0.25", "0", "", "", "", "", ""}});
    ReportRun run;
    run.Analysis = "旅游企业台帐";
    run.Period = "2025年12月";
    run.Captions = {"营业收入", "利润", "税金"};
    run.Write();
    const QString csv = dir.filePath("l.csv");
    EXPECT_EQ(Run({"--report", "3_3", "--csv", csv}), 0);
    const QStringList lines = QString::fromUtf8(FileBytes(csv).mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], QStringLiteral("2025年12月"));
    EXPECT_EQ(lines[2], QStringLiteral("地区,营业收入（同比%）,利润（同比%）,税金（同比%）"));
    EXPECT_EQ(lines[3], QStringLiteral("合计,11.20,-25.00,0.00"));
    EXPECT_EQ(folder.OwnRows("SELECT value2 FROM type22"), QStringList{"0.112026813031888"});
    EXPECT_EQ(Run({"--report", "3_1", "--csv", csv}), 0); // the current-period modes print sums
    EXPECT_TRUE(QString::fromUtf8(FileBytes(csv)).contains(QStringLiteral("地区,营业收入,利润,税金\r\n合计,0.112026813031888,")));
}

// The run says what it computed: a line under the title, its time at the foot, the CSV's
// second line; a report the run did not fill is refused rather than printed empty.
TEST_F(PrintCommandRun, HotelRunIsDescribedAndAnEmptyReportRefused)
{
    LoadHotelFixture(folder);
    QString printed;
    QTextStream out(&printed);
    ASSERT_EQ(HotelCommand::Run({"--year", "2025", "--month", "12", "--region", "43", "--region", "4301",
                                 "--rooms", "100:"},
                                out),
              0);
    const QString line = QStringLiteral("2025年12月 · 湖南省、长沙市 · 客房规模 ≥ 100");
    const QString pdf = dir.filePath("h.pdf");
    const QString csv = dir.filePath("h.csv");
    EXPECT_EQ(Run({"--report", "1-2", "--pdf", pdf, "--csv", csv}), 0);
    const QStringList pages = PdfPages(pdf, false);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(line)) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("生成于 ") + QDate::currentDate().toString("yyyy-MM-dd")));
    EXPECT_EQ(QString::fromUtf8(FileBytes(csv).mid(3)).section(QStringLiteral("\r\n"), 1, 1), line);

    const QString empty = dir.filePath("empty.pdf");
    EXPECT_EQ(Refusal({"--report", "2-1-1", "--pdf", empty}), ReportDocument::NoDataMessage);
    EXPECT_EQ(Refusal({"--report", "1-2", "--report", "3_1", "--pdf", empty}),
              ReportDocument::NoDataMessage + QStringLiteral("（3_1）"));
    EXPECT_FALSE(QFile::exists(empty));
}

// Output that cannot be written: the message names the file, and neither the file nor a
// temporary one is left; a previous file of that name stays as it was.
TEST_F(PrintCommandRun, UnwritableOutputLeavesNoFile)
{
    InsertRows(folder, "type22", "1_2", {{"合计", "2"}});
    for (const char* option : {"--pdf", "--csv"}) {
        const QString missing = dir.filePath("no-such-folder/r.out");
        EXPECT_EQ(Refusal({"--report", "1-2", option, missing}), OutputFile::FailureMessage(missing));
        const QString folderPath = dir.filePath("a-folder");
        QDir().mkpath(folderPath);
        EXPECT_EQ(Refusal({"--report", "1-2", option, folderPath}), OutputFile::FailureMessage(folderPath));
    }
    const QString kept = dir.filePath("kept.csv");
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("previous");
    file.close();
    EXPECT_FALSE(OutputFile::Write(kept, [](QIODevice& device) { return device.write("half") < 0; }));
    EXPECT_EQ(FileBytes(kept), QByteArray("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.csv"});
}

} // namespace
