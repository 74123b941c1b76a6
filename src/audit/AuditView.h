#pragma once

#include "AuditRules.h"

#include <QString>
#include <QStringList>
#include <vector>

// What the audit window shows of a run's findings: the rules ticked on, one rule or every
// one, one region or every one.
class AuditView
{
public:
    void SetFindings(std::vector<AuditFinding> findings);
    const std::vector<AuditFinding>& Findings() const { return findings_; }

    void SetRuleOn(int rule, bool on);
    bool RuleOn(int rule) const { return on_[static_cast<std::size_t>(rule)]; }
    int RuleFilter = -1;  // -1: every rule
    QString RegionFilter; // empty: every region

    // The findings shown, in the run's order.
    std::vector<const AuditFinding*> Visible() const;
    // The findings of each rule in the run, whatever is shown.
    std::vector<int> Counts() const;
    // The region codes of the findings, sorted.
    QStringList Regions() const;

private:
    std::vector<AuditFinding> findings_;
    std::vector<bool> on_ = std::vector<bool>(AuditRules::All().size(), true);
};
