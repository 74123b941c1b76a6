// Several reports at once and the spreadsheet and chart outputs, read back by independent
// readers: openpyxl for workbooks, pdftotext for PDFs, the chart's own series for bars.
#include "ChartCommand.h"
#include "CliError.h"
#include "OutputFile.h"
#include "PackageArchive.h"
#include "PdfText.h"
#include "PrintCommand.h"
#include "ReportCsv.h"
#include "ReportRun.h"
#include "ReportChart.h"
#include "ReportDocument.h"
#include "ReportSource.h"
#include "TempAppFolder.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Export : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InsertRows(folder, "type55", "1_8",
                   {{"合计", "12", "1.5", "12345", "12.34", "456789", "23456", "5.13"},
                    {"长沙市", "7", "0.5", "345", "2.3", "789", "456", "0.13"}});
        InsertRows(folder, "type66", "1_9",
                   {{"合计", "20", "30", "40", "50", "60", "70", "80", "90"},
                    {"长沙市", "5", "10", "15", "20", "25", "30", "35", "40"},
                    {"株洲市", "15", "20", "25", "30", "35", "40", "45", "50"}});
        InsertRows(folder, "type66", "211",
                   {{"     合计", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                    {"      国际旅行社", "0.25", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}});
        InsertRows(folder, "type22", "1_2",
                   {{"合计", "9", "3.5"}, {"长沙市", "2", "1.25"}, {"株洲市", "7", "2.25"}, {"湘潭市", "0", "0"}});
    }

    int Print(const QStringList& arguments)
    {
        QString text;
        QTextStream out(&text);
        return PrintCommand::Run(arguments, out);
    }
    template <typename Command> QString Refusal(Command command, const QStringList& arguments)
    {
        QString text;
        QTextStream out(&text);
        try {
            command(arguments, out);
        } catch (const CliError& e) {
            return e.Message();
        }
        return QString();
    }

    static QJsonArray ReadWorkbook(const QString& path)
    {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(ORVANE_TESTS_DIR "/print/read_workbook.py"), path});
        python.waitForFinished(-1);
        EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    }

    TempAppFolder folder;
    QTemporaryDir dir;
};

TEST_F(Export, WorkbookHoldsEveryReportAsPrinted)
{
    const QString path = dir.filePath("reports.xlsx");
    ASSERT_EQ(Print({"--report", "1-8", "--report", "1-9", "--report", "2-1-1", "--report", "1-2", "--xlsx", path}), 0);
    const QJsonArray sheets = ReadWorkbook(path);
    ASSERT_EQ(sheets.size(), 4);

    const struct
    {
        const char* name;
        QStringList merged; // the group headings, and each heading that spans both heading rows
        const char* freeze;
        bool landscape;
    } expected[] = {
        {"1-8", {"A3:A4", "B3:B4", "C3:E3", "F3:H3"}, "B5", false},
        {"1-9", {"A3:A4", "B3:B4", "C3:C4", "D3:D4", "E3:E4", "F3:F4", "G3:I3"}, "B5", true},
        {"2-1-1", {}, "B4", true},
        {"1-2", {}, "B4", false},
    };
    const char* tables[] = {"type55", "type66", "type66", "type22"};
    const char* codes[] = {"1_8", "1_9", "211", "1_2"};
    for (int s = 0; s < 4; ++s) {
        const QJsonObject sheet = sheets[s].toObject();
        const auto& e = expected[s];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(sheet["name"].toString(), QString::fromUtf8(e.name));
        QStringList merged;
        for (const auto& range : sheet["merged"].toArray())
            if (!range.toString().endsWith(QLatin1Char('1')) && !range.toString().endsWith(QLatin1Char('2')))
                merged << range.toString(); // the title and run rows span the table
        merged.sort();
        EXPECT_EQ(merged, e.merged);
        EXPECT_EQ(sheet["freeze"].toString(), QString::fromUtf8(e.freeze));
        EXPECT_EQ(sheet["landscape"].toBool(), e.landscape);
        EXPECT_TRUE(sheet["font"].toString().contains(QStringLiteral("Hei")) ||
                    sheet["font"].toString().contains(QStringLiteral("黑")));

        // Every stored figure is a number of equal value; labels keep their leading blanks.
        const QStringList stored = folder.OwnRows(QStringLiteral("select * from %1 where tablecode = '%2'")
                                                      .arg(QLatin1String(tables[s]), QLatin1String(codes[s])));
        const QJsonArray rows = sheet["rows"].toArray();
        const int first = QString::fromUtf8(e.freeze).mid(1).toInt() - 1;
        ASSERT_EQ(rows.size(), first + stored.size());
        for (int r = 0; r < stored.size(); ++r) {
            const QStringList values = stored[r].split(QLatin1Char('\t'));
            const QJsonArray cells = rows[first + r].toArray();
            EXPECT_EQ(cells[0].toObject()["v"].toString(), values[0]);
            for (int c = 1; c < cells.size(); ++c) {
                const QJsonObject cell = cells[c].toObject();
                if (values[c].isEmpty() || values[c] == QLatin1String("<null>"))
                    continue;
                EXPECT_NE(cell["t"].toString(), QStringLiteral("str")) << r << "," << c;
                EXPECT_DOUBLE_EQ(cell["v"].toDouble(), values[c].toDouble()) << r << "," << c;
            }
        }
    }
    // The report's decimals: a column with 1.25 shows two.
    EXPECT_EQ(sheets[3].toObject()["rows"].toArray()[3].toArray()[2].toObject()["f"].toString(),
              QStringLiteral("0.00"));
}

// The package's zip reader and the workbook writer's zip code live side by side in one program.
TEST_F(Export, TheUnpackerAndTheWorkbookWriterWorkInOneProgram)
{
    const QString unpacked = dir.filePath("tallix.dbc");
    for (int round = 0; round < 2; ++round) {
        QFile::remove(unpacked);
        ASSERT_TRUE(PackageArchive::Unpack(QStringLiteral(ORVANE_PACKAGE_FILE), QStringLiteral("tallix.dbc"), unpacked));
        ASSERT_EQ(Print({"--report", "1-2", "--xlsx", dir.filePath("round.xlsx")}), 0);
        EXPECT_EQ(ReadWorkbook(dir.filePath("round.xlsx"))[0].toObject()["name"].toString(), QStringLiteral("1-2"));
    }
}

TEST_F(Export, SeveralReportsInOnePdfEachFromANewPage)
{
    const QString path = dir.filePath("reports.pdf");
    ASSERT_EQ(Print({"--report", "1-2", "--report", "2-1-1", "--report", "1-8", "--pdf", path}), 0);
    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 3);
    const QStringList titles = {QStringLiteral("表1-2"), QStringLiteral("表2-1-1"), QStringLiteral("表1-8")};
    for (int p = 0; p < 3; ++p)
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(pages[p].contains(titles[t] + QLatin1Char(' ')), p == t) << p << "," << t;
    EXPECT_EQ(Refusal(PrintCommand::Run, {"--report", "1-2", "--report", "1-8", "--csv", dir.filePath("x.csv")}),
              QStringLiteral("--csv 只能导出一个报表"));
}

TEST_F(Export, ChartBarsAreTheColumnsValuesWithoutTheTotal)
{
    const auto document = ReportSource::Load({"1-2", {}, {}});
    const int column = ReportChart::ColumnAt(*document, 3);
    const auto chart = ReportChart::Create(*document, column);
    const auto* series = qobject_cast<QHorizontalBarSeries*>(chart->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 1);
    QList<double> values;
    for (int k = 0; k < series->barSets()[0]->count(); ++k)
        values << series->barSets()[0]->at(k);
    EXPECT_EQ(values, (QList<double>{0, 1.25, 2.25})); // sorted, the largest bar on top
    const QVector<ReportChart::Bar> bars = ReportChart::Bars(*document, column);
    EXPECT_EQ(bars.last(), (ReportChart::Bar{QStringLiteral("株洲市"), 2.25}));
    EXPECT_EQ(ReportChart::NumericColumns(*document).size(), 2);
}

TEST_F(Export, ChartCommandWritesAPictureAndRefusesWhatItCannotDraw)
{
    const QString png = dir.filePath("chart.png");
    QString text;
    QTextStream out(&text);
    ASSERT_EQ(ChartCommand::Run({"--report", "1-9", "--column", "3", "--png", png}, out), 0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), ReportChart::PngSize);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3);
    const QString pdf = dir.filePath("chart.pdf");
    ASSERT_EQ(ChartCommand::Run({"--report", "1-9", "--column", "3", "--pdf", pdf}, out), 0);
    EXPECT_EQ(PdfPages(pdf).size(), 1);

    const QString other = dir.filePath("other.png");
    EXPECT_EQ(Refusal(ChartCommand::Run, {"--report", "9_9", "--column", "2", "--png", other}),
              QStringLiteral("没有这个报表：9_9"));
    EXPECT_EQ(Refusal(ChartCommand::Run, {"--report", "1-9", "--column", "1", "--png", other}),
              QStringLiteral("第 1 栏没有数字，无法作图"));
    EXPECT_EQ(Refusal(ChartCommand::Run, {"--report", "1-9", "--column", "x", "--png", other}),
              QStringLiteral("第 x 栏没有数字，无法作图"));
    EXPECT_EQ(Refusal(ChartCommand::Run, {"--report", "1-1", "--column", "2", "--png", other}),
              ReportDocument::NoDataMessage);
    const QString unwritable = dir.filePath("missing/other.png");
    EXPECT_EQ(Refusal(ChartCommand::Run, {"--report", "1-9", "--column", "2", "--png", unwritable}),
              OutputFile::FailureMessage(unwritable));
    const QString workbook = dir.filePath("missing/book.xlsx");
    EXPECT_EQ(Refusal(PrintCommand::Run, {"--report", "1-9", "--xlsx", workbook}),
              OutputFile::FailureMessage(workbook));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"chart.pdf", "chart.png"}));
}

// Every region of a long chart is named in the chart PDF's text, every bar is drawn (names
// that repeat included), and value labels keep the column's decimals.
TEST_F(Export, ChartsNameEveryRegionAtAnySize)
{
    for (const int count : {61, 375}) {
        folder.Own("DELETE FROM type22 WHERE tablecode = '1_2'");
        QList<QStringList> rows{{"合计", "1", "1"}};
        for (int i = 1; i <= count; ++i)
            rows.append({QStringLiteral("测试地区%1").arg(i, 3, 10, QLatin1Char('0')), QString::number(i), "0.5"});
        rows.append({"市辖区", "42710.54", "1"});
        rows.append({"市辖区", "150", "1"});
        InsertRows(folder, "type22", "1_2", rows);
        const auto document = ReportSource::Load({"1-2", {}, {}});
        const int column = ReportChart::ColumnAt(*document, 2);
        const auto bars = ReportChart::Bars(*document, column);
        ASSERT_EQ(bars.size(), count + 2);
        const auto chart = ReportChart::Create(*document, column, bars);
        const auto* series = qobject_cast<QHorizontalBarSeries*>(chart->series().value(0));
        ASSERT_TRUE(series);
        EXPECT_EQ(series->barSets()[0]->count(), count + 2);
        const auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
        ASSERT_TRUE(axis);
        EXPECT_EQ(axis->count(), count + 2) << "one category per bar";

        const QString pdf = dir.filePath(QStringLiteral("chart%1.pdf").arg(count));
        ASSERT_TRUE(ReportChart::SavePdf(*document, QVector<int>{column}, pdf));
        const QString text = PdfPages(pdf, false).join('\n').remove(' ');
        for (int i = 1; i <= count; ++i)
            EXPECT_TRUE(text.contains(QStringLiteral("测试地区%1").arg(i, 3, 10, QLatin1Char('0')))) << count << ' ' << i;
        EXPECT_TRUE(text.contains(QStringLiteral("42710.54")));
        EXPECT_TRUE(text.contains(QStringLiteral("150.00"))) << "the column's decimals";
        const QString png = dir.filePath(QStringLiteral("chart%1.png").arg(count));
        ASSERT_TRUE(ReportChart::SavePng(*document, column, png));
        EXPECT_EQ(QImage(png).height(), ReportChart::HeightFor(count + 2));
    }
}

// A report made of sections is charted a section at a time; the largest bars can be chosen.
TEST_F(Export, SectionsAndTheLargestBarsAreChartedApart)
{
    QList<QStringList> rows;
    for (const auto& section : {QStringList{"国有企业", "外商投资企业"}, QStringList{"500间以上", "1－99间"},
                                QStringList{"五星级", "一星级"}}) {
        rows.append({"合计", "9", "9", "9", "9", "9", "9", "9", "9"});
        for (const QString& label : section)
            rows.append({label, "1", "2", "3", "4", "5", "6", "7", "8"});
    }
    InsertRows(folder, "type11", "1_1", rows);
    const auto document = ReportSource::Load({"1-1", {}, {}});
    const QVector<ReportChart::Section> sections = ReportChart::Sections(*document);
    ASSERT_EQ(sections.size(), 3);
    const int column = ReportChart::ColumnAt(*document, 2);
    for (int k = 0; k < 3; ++k) {
        QStringList labels;
        for (const ReportChart::Bar& bar : ReportChart::Bars(*document, column, k))
            labels << bar.Label;
        EXPECT_EQ(labels.size(), 2) << k;
        EXPECT_TRUE(sections[k].Name.contains(labels.first())) << k;
    }
    const auto twelve = ReportSource::Load({"1-9", {}, {}});
    const auto top = ReportChart::Bars(*twelve, {ReportChart::ColumnAt(*twelve, 2), -1, 1});
    EXPECT_EQ(top, (QVector<ReportChart::Bar>{{QStringLiteral("株洲市"), 15}}));
    EXPECT_TRUE(ReportChart::Sections(*twelve).isEmpty());
}

} // namespace

// Regions of different parents that share a name print with their parent in the preview and
// the chart; the stored rows and the CSV keep the name from Area.
TEST_F(Export, RegionsThatShareANameCarryTheirParent)
{
    folder.Source("INSERT OR REPLACE INTO Area VALUES ('110000', '北京市'), ('110100', '市辖区'), "
                  "('120000', '天津市'), ('120100', '市辖区')");
    const QStringList codes{"110100", "120100", "430000"};
    ReportRun run;
    run.Analysis = QStringLiteral("饭店分析报表");
    run.Period = QStringLiteral("2025年12月");
    run.Codes = codes;
    run.Regions = ReportRun::NamesOf(codes, false);
    run.Shown = ReportRun::ShownNames(run.Codes, run.Regions);
    run.Write();
    folder.Own("DELETE FROM type22 WHERE tablecode = '1_2'");
    InsertRows(folder, "type22", "1_2", {{"合计", "9"}, {"市辖区", "2"}, {"市辖区", "7"}, {"湖南省", "0"}});

    const auto document = ReportSource::Load({"1-2", {}, {}});
    QStringList printed;
    for (int r = 0; r < document->Rows().size(); ++r)
        printed << document->At(r, 0).Text;
    EXPECT_EQ(printed, (QStringList{"合计", "北京市 市辖区", "天津市 市辖区", "湖南省"}));
    QStringList charted;
    for (const ReportChart::Bar& bar : ReportChart::Bars(*document, ReportChart::ColumnAt(*document, 2)))
        charted << bar.Label;
    EXPECT_EQ(charted, (QStringList{"湖南省", "北京市 市辖区", "天津市 市辖区"}));
    const QString csv = QString::fromUtf8(ReportCsv::Encode(*document));
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\n市辖区,2"))) << csv.toStdString();
    EXPECT_FALSE(csv.contains(QStringLiteral("\r\n北京市 市辖区,")));
    EXPECT_EQ(folder.OwnRows("SELECT value1 FROM type22 WHERE tablecode = '1_2'").value(1), QStringLiteral("市辖区"));
}
