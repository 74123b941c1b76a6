#include "ReportExport.h"

#include "OutputFile.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"
#include "ReportSource.h"
#include "ReportXlsx.h"

#include <memory>
#include <vector>

namespace ReportExport {

bool IsPdf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

std::optional<QString> Write(const QStringList& codes, const QString& path)
{
    std::vector<std::unique_ptr<ReportDocument>> reports;
    QVector<const ReportDocument*> documents;
    for (const QString& code : codes) {
        auto report = ReportSource::Load({code, ReportSource::LedgerTitle(code), {}});
        if (!report)
            return QStringLiteral("没有这个报表：") + code;
        if (report->IsEmpty())
            return ReportDocument::NoDataMessage + QStringLiteral("（") + code + QStringLiteral("）");
        documents.append(report.get());
        reports.push_back(std::move(report));
    }
    if (documents.isEmpty())
        return QStringLiteral("请先选定要导出的报表");
    const bool written =
        IsPdf(path) ? ReportRenderer::RenderPdf(documents, path) : ReportXlsx::Write(documents, path);
    if (!written)
        return OutputFile::FailureMessage(path);
    return std::nullopt;
}

} // namespace ReportExport
