#include "AuditCommand.h"

#include "CliArguments.h"
#include "CliError.h"
#include "DataAudit.h"

namespace AuditCommand {

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const CliArguments args(arguments);
    args.Allow({QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("region")});
    DataAudit audit;
    if (const auto refused = audit.Take(args.Value(QStringLiteral("year")).value_or(QString()),
                                        args.Value(QStringLiteral("month")).value_or(QString()),
                                        args.Values(QStringLiteral("region"))))
        throw CliError(*refused);
    const std::vector<AuditFinding> findings = audit.Run();
    for (const AuditFinding& finding : findings)
        out << finding.Line() << '\n';
    out.flush();
    const std::vector<int> counts = DataAudit::Counts(findings);
    const auto& rules = AuditRules::All();
    for (std::size_t i = 0; i < rules.size(); ++i)
        if (AuditRules::Applies(rules[i], audit.Month > 0))
            err << rules[i].Id << '\t' << rules[i].Caption << '\t' << counts[i] << '\n';
    return 0;
}

} // namespace AuditCommand
