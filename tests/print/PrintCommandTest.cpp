#include "PrintCommand.h"
#include "CliError.h"
#include "PdfText.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    const QString text = QString::fromUtf8(ReadAll(csv).mid(3));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("表2-1-1A 旅游企业基本单位数（个）\r\n地区,合计,旅行社小计,")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n合计,9,4,1,3,2,1,2,1,1\r\n")));
}

TEST_F(PrintCommandRun, LedgerTakesItsTitleFromTheModeUnlessGiven)
{
    InsertRows(folder, "type22", "", {{"合计", "250", "0.25", "", "", "", "", "", ""}});
    const QString csv = dir.filePath("l.csv");
    EXPECT_EQ(Run({"--report", "3_4", "--csv", csv, "--item2", "利润（累比%）"}), 0);
    EXPECT_EQ(QString::fromUtf8(ReadAll(csv).mid(3)),
              QStringLiteral("旅游企业台帐（按累计比较）\r\n项目,,利润（累比%）\r\n合计,250,0.25\r\n"));
    EXPECT_EQ(Run({"--report", "3_1", "--csv", csv, "--title", "台帐", "--item1", "收入"}), 0);
    EXPECT_TRUE(QString::fromUtf8(ReadAll(csv).mid(3)).startsWith(QStringLiteral("台帐\r\n项目,收入,\r\n")));
}

TEST_F(PrintCommandRun, RefusesBadInput)
{
    const QString pdf = dir.filePath("x.pdf");
    EXPECT_EQ(Refusal({"--report", "1_1", "--pdf", pdf}), QStringLiteral("没有这个报表：1_1"));
    EXPECT_EQ(Refusal({"--report", "1-1 ", "--pdf", pdf}), QStringLiteral("没有这个报表：1-1 "));
    EXPECT_FALSE(Refusal({"--report", "1-1"}).isEmpty());
    EXPECT_FALSE(Refusal({"--pdf", pdf}).isEmpty());
    EXPECT_FALSE(Refusal({"--report", "1-1", "--pdf", pdf, "--title", "x"}).isEmpty());
    EXPECT_FALSE(Refusal({"--report", "1-1", "--pdf", "/nonexistent-folder/x.pdf"}).isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
