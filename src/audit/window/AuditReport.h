#pragma once

#include <memory>
#include <vector>

class QString;
class ReportDocument;
struct AuditFinding;

// The findings shown, as a report of the audit's own layout: printed, saved as PDF or as a
// workbook like every report.
namespace AuditReport {

std::shared_ptr<ReportDocument> Document(const std::vector<const AuditFinding*>& findings,
                                         const QString& runLine);

} // namespace AuditReport
