#include "ReportExport.h"

#include "ReportDocument.h"
#include "ReportSource.h"
#include "ReportWriter.h"

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
    return ReportWriter::Create(IsPdf(path) ? ReportWriter::Kind::Pdf : ReportWriter::Kind::Workbook)
        ->Write(documents, path);
}

} // namespace ReportExport
