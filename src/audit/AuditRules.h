#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The rules of the audit, in the order they are listed and counted. A rule reads the
// register, the monthly returns of a month, or the annual returns of a year.
namespace AuditRules {

enum class Scope { Register, Month, Year, Any };

struct Rule
{
    const char* Id; // "R01"
    QString Caption;
    Scope When;
};

const std::vector<Rule>& All();
// The position of a rule id (any case), -1 for none.
int IndexOf(const QString& id);
// Whether a rule runs for a period with (or without) a month.
bool Applies(const Rule& rule, bool monthly);

// The ids whose findings change what the reports count.
QStringList Counted();

} // namespace AuditRules

// One finding: the enterprise, the rule broken and the value that broke it.
struct AuditFinding
{
    QString Code;
    QString Name;
    QString Region;
    int Rule = 0; // position in AuditRules::All()
    QString Value;

    QString RuleId() const;
    QString Caption() const;
    // code, name, region code, rule id, caption, value, tab-separated
    QString Line() const;
};
