// Every output kind through the one writer interface: a whole file with its kind's mark, or
// the user's message and nothing left behind.
#include "ReportWriter.h"
#include "OutputFile.h"
#include "ReportChartWriter.h"
#include "ReportDocument.h"
#include "ReportLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

ReportDocument Sample()
{
    ReportDocument document(*ReportLayout::Create(QStringLiteral("CrystalReport2")));
    document.SetCode(QStringLiteral("1-2"));
    document.SetText(QStringLiteral("title"), QStringLiteral("表1-2 旅游饭店经营情况"));
    document.SetText(QStringLiteral("h1"), QStringLiteral("地区"));
    document.SetText(QStringLiteral("h2"), QStringLiteral("营业收入（万元）"));
    document.SetRows({{QStringLiteral("合计"), QStringLiteral("12.5")},
                      {QStringLiteral("长沙市"), QStringLiteral("12.5")}});
    return document;
}

struct WriterCase
{
    const char* Name;
    std::function<std::unique_ptr<ReportWriter>()> Make;
    QByteArray Mark; // how a whole file of the kind begins
    bool Several;    // one file holds several reports
};

std::unique_ptr<ReportWriter> Chart(ReportChartWriter::Format format)
{
    return std::make_unique<ReportChartWriter>(format, QVector<ReportChart::Choice>{{1, -1, 0}});
}

const WriterCase Cases[] = {
    {"pdf", [] { return ReportWriter::Create(ReportWriter::Kind::Pdf); }, "%PDF-", true},
    {"csv", [] { return ReportWriter::Create(ReportWriter::Kind::Csv); }, "\xEF\xBB\xBF", false},
    {"xlsx", [] { return ReportWriter::Create(ReportWriter::Kind::Workbook); }, "PK", true},
    {"chartpng", [] { return Chart(ReportChartWriter::Format::Png); }, "\x89PNG", false},
    {"chartpdf", [] { return Chart(ReportChartWriter::Format::Pdf); }, "%PDF-", false},
};

class ReportWriterTest : public testing::TestWithParam<WriterCase>
{
};

QByteArray Head(const QString& path, qsizetype n)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(n) : QByteArray();
}

TEST_P(ReportWriterTest, WritesAWholeFileOrSaysWhyAndLeavesNothing)
{
    const WriterCase& c = GetParam();
    const auto writer = c.Make();
    const ReportDocument one = Sample();
    const ReportDocument two = Sample();
    QTemporaryDir dir;

    const QString path = dir.filePath(QStringLiteral("out") + writer->Suffix());
    EXPECT_EQ(writer->Write(one, path), std::nullopt);
    EXPECT_EQ(Head(path, c.Mark.size()), c.Mark);
    EXPECT_TRUE(writer->NameFilter().contains(QLatin1Char('*') + writer->Suffix()));

    const QString several = dir.filePath(QStringLiteral("several") + writer->Suffix());
    const auto failure = writer->Write({&one, &two}, several);
    EXPECT_EQ(failure == std::nullopt, c.Several);
    EXPECT_EQ(QFile::exists(several), c.Several);

    for (const QString& bad : {dir.filePath(QStringLiteral("missing/out") + writer->Suffix()),
                               QStringLiteral("/dev/full"), dir.path()})
        EXPECT_EQ(writer->Write(one, bad), OutputFile::FailureMessage(bad)) << bad.toStdString();
    EXPECT_NE(writer->Write(QVector<const ReportDocument*>{}, path), std::nullopt);

    QStringList expected{QStringLiteral("out") + writer->Suffix()};
    if (c.Several)
        expected << QStringLiteral("several") + writer->Suffix();
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected); // no scratch file left
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReportWriterTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<WriterCase>& info) { return info.param.Name; });

} // namespace
