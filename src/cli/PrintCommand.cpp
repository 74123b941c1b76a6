#include "PrintCommand.h"

#include "CliArguments.h"
#include "CliError.h"
#include "ReportCsv.h"
#include "ReportRenderer.h"
#include "ReportSource.h"

namespace {

// The ledger's titles by comparison mode, as the ledger window sets them.
QString LedgerTitle(const QString& code)
{
    if (code == QLatin1String("3_1"))
        return QStringLiteral("旅游企业台帐（按本期数值）");
    if (code == QLatin1String("3_2"))
        return QStringLiteral("旅游企业台帐（按累计数值）");
    if (code == QLatin1String("3_3"))
        return QStringLiteral("旅游企业台帐（按同期比较）");
    return QStringLiteral("旅游企业台帐（按累计比较）");
}

} // namespace

namespace PrintCommand {

int Run(const QStringList& arguments, QTextStream& /*out*/)
{
    const CliArguments args(arguments);
    QStringList allowed{QStringLiteral("report"), QStringLiteral("pdf"), QStringLiteral("csv"),
                        QStringLiteral("title")};
    for (int k = 1; k <= 8; ++k)
        allowed << QStringLiteral("item%1").arg(k);
    args.Allow(allowed);

    ReportSource::Request request;
    request.TableCode = args.Required(QStringLiteral("report"));
    const auto pdf = args.Value(QStringLiteral("pdf"));
    const auto csv = args.Value(QStringLiteral("csv"));
    if (!pdf && !csv)
        throw CliError(QStringLiteral("缺少参数 --pdf 或 --csv"));
    for (const auto& [option, file] : {std::pair{"--pdf", pdf}, std::pair{"--csv", csv}})
        if (file && file->trimmed().isEmpty())
            throw CliError(QStringLiteral("参数 ") + QLatin1String(option) + QStringLiteral(" 缺少文件名"));
    const ReportSource::Entry* entry = ReportSource::Find(request.TableCode);
    if (!entry)
        throw CliError(QStringLiteral("没有这个报表：") + request.TableCode);
    for (const QString& ledgerOnly : allowed.mid(3))
        if (!entry->IsLedger() && args.Has(ledgerOnly))
            throw CliError(QStringLiteral("--title 与 --item1 至 --item8 只用于台帐（3_1 至 3_4）"));
    request.Title = args.Value(QStringLiteral("title")).value_or(LedgerTitle(request.TableCode));
    for (int k = 1; k <= 8; ++k)
        request.Items << args.Value(QStringLiteral("item%1").arg(k)).value_or(QString());

    const auto report = ReportSource::Load(request);
    if (pdf && !ReportRenderer(*report).RenderPdf(*pdf))
        throw CliError(QStringLiteral("无法写入文件 ") + *pdf);
    if (csv && !ReportCsv::Write(*report, *csv))
        throw CliError(QStringLiteral("无法写入文件 ") + *csv);
    return 0;
}

} // namespace PrintCommand
