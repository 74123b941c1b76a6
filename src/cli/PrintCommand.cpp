#include "PrintCommand.h"

#include "CliArguments.h"
#include "CliError.h"
#include "ReportDocument.h"
#include "ReportSource.h"
#include "ReportWriter.h"

#include <memory>
#include <vector>

namespace PrintCommand {

namespace {

QStringList LedgerOptions()
{
    QStringList names{QStringLiteral("title")};
    for (int k = 1; k <= 8; ++k)
        names << QStringLiteral("item%1").arg(k);
    return names;
}

// Every report asked for, checked and loaded before any file is written.
std::vector<std::unique_ptr<ReportDocument>> LoadReports(const CliArguments& args)
{
    QStringList codes;
    for (const QString& typed : args.Values(QStringLiteral("report")))
        codes << ReportSource::Normalise(typed);
    if (codes.isEmpty())
        args.Required(QStringLiteral("report"));
    for (const QString& code : codes) {
        const ReportSource::Entry* entry = ReportSource::Find(code);
        if (!entry)
            throw CliError(QStringLiteral("没有这个报表：") + code);
        for (const QString& ledgerOnly : LedgerOptions())
            if (!entry->IsLedger() && args.Has(ledgerOnly))
                throw CliError(QStringLiteral("--title 与 --item1 至 --item8 只用于台帐（3_1 至 3_4）"));
    }
    std::vector<std::unique_ptr<ReportDocument>> reports;
    for (const QString& code : codes) {
        ReportSource::Request request;
        request.TableCode = code;
        request.Title = args.Value(QStringLiteral("title")).value_or(ReportSource::LedgerTitle(code));
        for (int k = 1; k <= 8; ++k)
            request.Items << args.Value(QStringLiteral("item%1").arg(k)).value_or(QString());
        auto report = ReportSource::Load(request);
        if (report->IsEmpty())
            throw CliError(codes.size() > 1 ? ReportDocument::NoDataMessage + QStringLiteral("（") + code +
                                                  QStringLiteral("）")
                                            : ReportDocument::NoDataMessage);
        reports.push_back(std::move(report));
    }
    return reports;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& /*out*/)
{
    const CliArguments args(arguments);
    args.Allow(QStringList{QStringLiteral("report"), QStringLiteral("pdf"), QStringLiteral("csv"),
                           QStringLiteral("xlsx")} +
               LedgerOptions());

    // Each file asked for, in this order, by the writer of its kind.
    const std::pair<QString, ReportWriter::Kind> kinds[] = {
        {QStringLiteral("pdf"), ReportWriter::Kind::Pdf},
        {QStringLiteral("csv"), ReportWriter::Kind::Csv},
        {QStringLiteral("xlsx"), ReportWriter::Kind::Workbook}};
    QVector<std::pair<QString, ReportWriter::Kind>> files;
    for (const auto& [option, kind] : kinds)
        if (const auto file = args.Value(option)) {
            if (file->trimmed().isEmpty())
                throw CliError(QStringLiteral("参数 --") + option + QStringLiteral(" 缺少文件名"));
            files.append({*file, kind});
        }
    if (files.isEmpty())
        throw CliError(QStringLiteral("缺少参数 --pdf、--csv 或 --xlsx"));
    if (args.Has(QStringLiteral("csv")) && args.Values(QStringLiteral("report")).size() > 1)
        throw CliError(QStringLiteral("--csv 只能导出一个报表"));
    const auto reports = LoadReports(args);

    QVector<const ReportDocument*> documents;
    for (const auto& report : reports)
        documents.append(report.get());
    for (const auto& [path, kind] : files)
        if (const auto failure = ReportWriter::Create(kind)->Write(documents, path))
            throw CliError(*failure);
    return 0;
}

} // namespace PrintCommand
