#include "ChartCommand.h"

#include "CliArguments.h"
#include "CliError.h"
#include "ReportChart.h"
#include "ReportChartWriter.h"
#include "ReportDocument.h"
#include "ReportSource.h"

namespace ChartCommand {

int Run(const QStringList& arguments, QTextStream& /*out*/)
{
    const CliArguments args(arguments);
    args.Allow({QStringLiteral("report"), QStringLiteral("column"), QStringLiteral("png"), QStringLiteral("pdf")});
    const QString code = ReportSource::Normalise(args.Required(QStringLiteral("report")));
    const QString columnText = args.Required(QStringLiteral("column"));
    const auto png = args.Value(QStringLiteral("png"));
    const auto pdf = args.Value(QStringLiteral("pdf"));
    if (!png && !pdf)
        throw CliError(QStringLiteral("缺少参数 --png 或 --pdf"));
    if (!ReportSource::Find(code))
        throw CliError(QStringLiteral("没有这个报表：") + code);

    const auto report = ReportSource::Load({code, ReportSource::LedgerTitle(code), {}});
    if (report->IsEmpty())
        throw CliError(ReportDocument::NoDataMessage);
    bool whole = false;
    const int position = columnText.trimmed().toInt(&whole);
    const int column = whole ? ReportChart::ColumnAt(*report, position) : -1;
    const auto printed = report->VisibleColumns().size();
    if (whole && (position < 1 || position > printed))
        throw CliError(QStringLiteral("第 %1 栏不存在：该报表共 %2 栏").arg(columnText).arg(printed));
    if (column < 0 || !ReportChart::NumericColumns(*report).contains(column))
        throw CliError(QStringLiteral("第 %1 栏没有数字，无法作图").arg(columnText));

    // A report made of sections: the picture shows the first, the PDF each in turn.
    QVector<ReportChart::Choice> choices;
    for (int k = 0; k < ReportChart::Sections(*report).size(); ++k)
        choices.append({column, k, 0});
    if (choices.isEmpty())
        choices.append({column, -1, 0});
    for (const auto& [file, format] :
         {std::pair{png, ReportChartWriter::Format::Png}, std::pair{pdf, ReportChartWriter::Format::Pdf}})
        if (file)
            if (const auto failure = ReportChartWriter(format, choices).Write(*report, *file))
                throw CliError(*failure);
    return 0;
}

} // namespace ChartCommand
