#include "AuditBench.h"

#include "DataAudit.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace AuditBench {

void Run(int year, int month, int runs, QStringList& missed)
{
    for (const int m : {month, 0}) {
        std::vector<double> times;
        std::vector<AuditFinding> findings;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer timer;
            timer.start();
            DataAudit audit;
            audit.Year = year;
            audit.Month = m;
            findings = audit.Run();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const QString name = m > 0 ? QStringLiteral("audit %1-%2").arg(year).arg(m, 2, 10, QLatin1Char('0'))
                                   : QStringLiteral("audit %1").arg(year);
        std::printf("%-24s%5d%10.1f ms  %zu findings:", name.toUtf8().constData(), runs, median,
                    findings.size());
        const std::vector<int> counts = DataAudit::Counts(findings);
        const auto& rules = AuditRules::All();
        for (std::size_t i = 0; i < rules.size(); ++i)
            if (AuditRules::Applies(rules[i], m > 0))
                std::printf(" %s %d", rules[i].Id, counts[i]);
        std::printf("\n");
        if (median >= LimitMs)
            missed << name + QStringLiteral(": over 2 s");
    }
}

} // namespace AuditBench
