#include "ReportRenderer.h"
#include "PdfText.h"
#include "ReportDocument.h"
#include "ReportSource.h"
#include "TempAppFolder.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The one text line of a page that starts with the label, blanks squeezed.
QString LineOf(const QString& page, const QString& label)
{
    for (const QString& line : page.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(label))
            return line.simplified();
    return QString();
}

// pdftotext drops the narrow blanks between Chinese characters; compare without any.
bool HasText(const QString& page, const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return QString(page).remove(blanks).contains(QString(text).remove(blanks));
}

std::unique_ptr<ReportDocument> Load(const QString& code)
{
    auto document = ReportSource::Load({code, {}, {}});
    EXPECT_NE(document, nullptr);
    return document;
}

TEST(ReportDocument, DrawsOnlyColumnsWithAHeadingOrAValue)
{
    TempAppFolder folder;
    InsertRows(folder, "type22", "1_2", {{"合计", "1", "2", "3", "4", "5", "6", "7"}});
    InsertRows(folder, "type33", "1_6", {{"合计", " 1", "2", " 3", "4", " 5"}});
    InsertRows(folder, "type22", "", {{"合计", "1", "2", "3", "", "", "", "", ""}});

    EXPECT_EQ(Load("1-2")->VisibleColumns(), (QVector<int>{0, 1, 2, 3, 4, 5, 6, 7})); // value9..12 unused
    EXPECT_EQ(Load("1-6")->VisibleColumns(), (QVector<int>{0, 1, 2, 3, 4, 5, 6}));    // empty 备注 stays
    auto ledger = ReportSource::Load({"3_1", "台帐", {"甲", "乙", "丙"}});
    EXPECT_EQ(ledger->VisibleColumns(), (QVector<int>{0, 1, 2, 3}));
    auto bare = ReportSource::Load({"3_1", "台帐", {}});
    EXPECT_EQ(bare->VisibleColumns(), (QVector<int>{0, 1, 2, 3})); // figures without headings still show
}

TEST(ReportDocument, CellTextTrimsFiguresAndKeepsIndentedLabels)
{
    ReportDocument document(*ReportLayout::Create("CrystalReport7"));
    document.SetRows({{"      国际旅行社", " 12", "1.5E-06 ", "合计 ", "-0.25"}});
    EXPECT_EQ(document.CellText(0, 0), QStringLiteral("      国际旅行社"));
    EXPECT_EQ(document.CellText(0, 1), QStringLiteral("12"));
    EXPECT_EQ(document.CellText(0, 2), QStringLiteral("1.5E-06"));
    EXPECT_EQ(document.CellText(0, 3), QStringLiteral("合计"));
    EXPECT_EQ(document.CellText(0, 4), QStringLiteral("-0.25"));
    EXPECT_EQ(document.CellText(0, 9), QString()); // a column past the row's values
}

TEST(ReportRenderer, WideTablesTurnThePage)
{
    TempAppFolder folder;
    InsertRows(folder, "type22", "1_2", {{"合计", "1", "2", "3", "4", "5", "6", "7"}});
    InsertRows(folder, "type11", "1_1", {{"合计", "1", "2", "3", "4", "5", "6", "7", "8"}});
    InsertRows(folder, "type66", "1_9", {{"合计", "1", "2", "3", "4", "5", "6", "7", "8"}});
    EXPECT_EQ(ReportRenderer(*Load("1-2")).PageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(ReportRenderer(*Load("1-8")).PageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(ReportRenderer(*Load("1-1")).PageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(ReportRenderer(*Load("1-9")).PageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(ReportRenderer(*Load("2-1-3")).PageLayout().orientation(), QPageLayout::Landscape);
}

TEST(ReportRenderer, LongReportRepeatsTitleAndHeadingsAndNumbersItsPages)
{
    TempAppFolder folder;
    QList<QStringList> rows{{"合计", "1200", "2", "3", "4", "5", "6", "7"}};
    for (int i = 1; i <= 120; ++i)
        rows.append({QStringLiteral("地区%1").arg(i, 3, 10, QLatin1Char('0')), QString::number(i), "2", "3",
                     "4", "5", "6", "7"});
    InsertRows(folder, "type22", "1_2", rows);
    const auto document = Load("1-2");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("long.pdf");
    ASSERT_TRUE(ReportRenderer(*document).RenderPdf(pdf));

    const QStringList pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 3);
    QPdfWriter writer(dir.filePath("count.pdf"));
    EXPECT_EQ(ReportRenderer(*document).PageCount(writer), pages.size());
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        EXPECT_TRUE(page.contains(QStringLiteral("表1-2 旅游饭店主要指标（按地区分）"))) << p;
        static const QRegularExpression heading(QStringLiteral("地区(?!\\d)"));
        EXPECT_TRUE(heading.match(page).hasMatch()) << "heading row on page " << p;
        EXPECT_TRUE(HasText(page, QStringLiteral("第 %1 页 共 %2 页").arg(p + 1).arg(pages.size()))) << p;
        // Every row once, in stored order, across the pages.
        static const QRegularExpression label(QStringLiteral("地区(\\d{3})"));
        for (auto it = label.globalMatch(page); it.hasNext();)
            EXPECT_EQ(it.next().captured(1).toInt(), next++);
    }
    EXPECT_EQ(next, 121);
}

// A hotel, an annual and an empty report on one page each: title, headings, figures as stored.
TEST(ReportRenderer, ReportsAsPdf)
{
    const QStringList hotel{" 12", "3456", " 7890", "66.67", " 412.5", "8.75", " 1234.56", "4567.89"};
    const QStringList annual{"1234567.89", "987654.32", "456789.01", "-12345.67", "23456.78", "12.5",
                             "33.33",      "4.56",      "-0.42",     "123.45",    "45678",    "1234"};
    const struct
    {
        const char *code, *table, *tablecode, *title;
        QStringList figures, headings;
    } cases[] = {{"1-9", "type66", "1_9", "表1-9 旅游饭店客房经营情况", hotel,
                  {"地区", "每间客房", "饭店数", "床位数", "客房出租率", "营业收入"}},
                 {"2-1-2", "type66", "212", "表2-1-2 旅游企业主要经济指标（按地区分）", annual,
                  {"地区", "营业收入", "利润总额", "企业数"}},
                 {"1-5", "type22", "1_5", "表1-5 旅游饭店数（按星级分）", {}, {"五星级"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TempAppFolder folder;
        if (!c.figures.isEmpty())
            InsertRows(folder, c.table, c.tablecode,
                       {QStringList{"合计"} + c.figures, QStringList{"长沙市"} + c.figures});
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        ASSERT_TRUE(ReportRenderer(*Load(c.code)).RenderPdf(pdf));
        const QStringList pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 1);
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(c.title)));
        EXPECT_TRUE(HasText(pages[0], QStringLiteral("第 1 页 共 1 页")));
        for (const QString& heading : c.headings)
            EXPECT_TRUE(pages[0].contains(heading)) << heading.toStdString();
        if (!c.figures.isEmpty()) {
            const QString figures = c.figures.join(' ').simplified(); // stored blanks are not printed
            EXPECT_EQ(LineOf(pages[0], "合计"), "合计 " + figures);
            EXPECT_EQ(LineOf(pages[0], "长沙市"), "长沙市 " + figures);
        }
    }
}

TEST(ReportRenderer, UnwritablePdfIsRefused)
{
    ReportDocument document(*ReportLayout::Create("CrystalReport2"));
    EXPECT_FALSE(ReportRenderer(document).RenderPdf(QStringLiteral("/nonexistent-folder/x.pdf")));
}

// A column prints every figure with the same decimals (the most any needs, at most two),
// counts without any; the stored text and the CSV stay as written. Headings break only
// between words or before a bracket.
TEST(ReportRenderer, ColumnsLineUpAndHeadingsKeepTheirWords)
{
    TempAppFolder folder;
    InsertRows(folder, "type22", "",
               {{"合计", "42821.6", "12", "0.123456", "1", "2", "3", "4", "5"},
                {"长沙市", "18187.2", "3", "1.5E-06", "1", "2", "3", "4", "5"},
                {"株洲市", "0.9", "7", "-0.001", "1", "2", "3", "4", "5"},
                {"湘潭市", "0", "0", "2", "1", "2", "3", "4", "5"},
                {"衡阳市", "53.04", "1", "3", "1", "2", "3", "4", "5"}});
    const QStringList headings{"固定资产原值（万元）", "人均营业收入（万元）", "营业收入（累比%）", "床位数",
                               "客房数", "接待人数", "营业税金", "从业人员"};
    const auto document = ReportSource::Load({"3_1", "台帐", headings});
    ASSERT_TRUE(document);
    const struct
    {
        int column;
        QStringList printed;
    } columns[] = {{1, {"42821.60", "18187.20", "0.90", "0.00", "53.04"}},
                   {2, {"12", "3", "7", "0", "1"}},
                   {3, {"0.12", "0.00", "0.00", "2.00", "3.00"}}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath("columns.pdf");
    ASSERT_TRUE(ReportRenderer(*document).RenderPdf(pdf));
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const auto& c : columns)
        for (int r = 0; r < c.printed.size(); ++r) {
            EXPECT_EQ(document->At(r, c.column).Text, c.printed[r]) << c.column << ' ' << r;
            EXPECT_EQ(LineOf(pages[0], document->CellText(r, 0)).split(' ').value(c.column), c.printed[r])
                << c.column << ' ' << r;
        }
    EXPECT_EQ(document->CellText(2, 3), QStringLiteral("-0.001")); // the stored text stays
    // each word of a heading whole on one line of the page
    for (const char* word : {"固定资产原值", "人均营业收入", "（万元）", "（累比%）"}) {
        bool whole = false;
        for (const QString& line : pages[0].split('\n'))
            whole = whole || QString(line).remove(' ').contains(QString::fromUtf8(word));
        EXPECT_TRUE(whole) << word;
    }
}

} // namespace
