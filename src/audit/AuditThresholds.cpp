#include "AuditThresholds.h"

#include "DbConnection.h"
#include "Numeric.h"
#include "Recordset.h"

#include <utility>

namespace {

const std::pair<const char*, double AuditThresholds::*> Names[] = {
    {"MinAveragePrice", &AuditThresholds::MinAveragePrice},
    {"MaxAveragePrice", &AuditThresholds::MaxAveragePrice},
    {"MonthlyChange", &AuditThresholds::MonthlyChange},
};

} // namespace

AuditThresholds AuditThresholds::Load(DbConnection& own)
{
    AuditThresholds limits;
    Recordset rs;
    rs.Open(QStringLiteral("SELECT Name, Value FROM AuditThreshold"), own);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        const QString name = rs.Value(0).toString().trimmed();
        const auto value = Numeric::ToNumber(rs.Value(1));
        if (!value)
            continue;
        for (const auto& [key, member] : Names)
            if (name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                limits.*member = *value;
    }
    return limits;
}

void AuditThresholds::Save(DbConnection& own) const
{
    own.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        own.Execute(QStringLiteral("DELETE FROM AuditThreshold"));
        for (const auto& [key, member] : Names)
            own.Execute(QStringLiteral("INSERT INTO AuditThreshold (Name, Value) VALUES ('%1', %2)")
                            .arg(QLatin1String(key), Numeric::NumberText(this->*member)));
        own.Execute(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            own.Execute(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
        throw;
    }
}
