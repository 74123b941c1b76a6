#include "AuditView.h"

#include "DataAudit.h"

#include <QSet>

void AuditView::SetFindings(std::vector<AuditFinding> findings)
{
    findings_ = std::move(findings);
}

void AuditView::SetRuleOn(int rule, bool on)
{
    on_[static_cast<std::size_t>(rule)] = on;
}

std::vector<const AuditFinding*> AuditView::Visible() const
{
    std::vector<const AuditFinding*> shown;
    for (const AuditFinding& f : findings_)
        if (RuleOn(f.Rule) && (RuleFilter < 0 || f.Rule == RuleFilter) &&
            (RegionFilter.isEmpty() || f.Region == RegionFilter))
            shown.push_back(&f);
    return shown;
}

std::vector<int> AuditView::Counts() const
{
    return DataAudit::Counts(findings_);
}

QStringList AuditView::Regions() const
{
    QSet<QString> seen;
    for (const AuditFinding& f : findings_)
        seen.insert(f.Region);
    QStringList regions(seen.cbegin(), seen.cend());
    regions.sort();
    return regions;
}
