#include "AuditReport.h"

#include "AuditRules.h"
#include "ReportDocument.h"
#include "ReportLayout.h"

#include <QDateTime>

namespace AuditReport {

std::shared_ptr<ReportDocument> Document(const std::vector<const AuditFinding*>& findings,
                                         const QString& runLine)
{
    auto document = std::make_shared<ReportDocument>(*ReportLayout::Create(ReportLayout::AuditLayoutName));
    document->SetCode(QStringLiteral("数据审核"));
    document->SetText(QStringLiteral("title"), QStringLiteral("数据审核"));
    document->SetRunLine(runLine + QStringLiteral(" · %1 条").arg(findings.size()));
    document->SetRunTime(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QVector<QStringList> rows;
    for (const AuditFinding* f : findings)
        rows.append({f->Code, f->Name, f->Region, f->RuleId(), f->Caption(), f->Value});
    document->SetRows(std::move(rows));
    return document;
}

} // namespace AuditReport
