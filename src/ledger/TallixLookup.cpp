#include "TallixLookup.h"

#include "Connection.h"
#include "RegionCode.h"
#include "SqlText.h"
#include "TallixInput.h"

#include <functional>

namespace TallixLookup {

namespace {

// Runs one query on the source set and hands the open recordset to read.
void OnSource(const QString& sql, const std::function<void(Recordset&)>& read)
{
    Connection::OpenStatConnection();
    try {
        Connection::StatCmd->CommandText = sql;
        Connection::StatRs->Open(*Connection::StatCmd);
        read(*Connection::StatRs);
    } catch (...) {
        Connection::CloseStatConnection();
        throw;
    }
    Connection::CloseStatConnection();
}

} // namespace

std::optional<QString> RegionName(const QString& code)
{
    std::optional<QString> name;
    OnSource(QStringLiteral("SELECT * FROM Area WHERE Areacode=") + QStringLiteral(" '") +
                 SqlText::Escape(code) + QStringLiteral(" '"),
             [&](Recordset& rs) {
                 if (rs.RecordCount() > 0)
                     name = rs.Value(QStringLiteral("Areaname")).toString().trimmed();
             });
    return name;
}

QList<Entry> EnterprisesOfRegion(const QString& code)
{
    return EnterprisesOfRegion(code, QString());
}

QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause)
{
    QList<Entry> entries;
    OnSource(QStringLiteral("SELECT * FROM base01 WHERE regionalismcode like ") + QStringLiteral("'") +
                 SqlText::Escape(RegionCode::Prefix(code)) + QStringLiteral("%'") + unitClause,
             [&](Recordset& rs) {
                 if (rs.RecordCount() == 0)
                     return;
                 for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
                     entries.append({rs.Value(QStringLiteral("Code")).toString(),
                                     rs.Value(QStringLiteral("Unitname")).toString()});
             });
    return entries;
}

QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause, const QString& unitCaption,
                                 QString* refusal)
{
    const QList<Entry> entries = EnterprisesOfRegion(code, unitClause);
    if (entries.isEmpty())
        *refusal = EnterprisesOfRegion(code).isEmpty() ? TallixInput::NoRegionMessage
                                                       : TallixInput::NoEnterpriseOfUnitMessage.arg(unitCaption);
    return entries;
}

std::optional<QString> EnterpriseName(const QString& code)
{
    std::optional<QString> name;
    OnSource(QStringLiteral("SELECT * FROM base01 WHERE code=") + QStringLiteral(" '") +
                 SqlText::Escape(code.trimmed()) + QStringLiteral(" '"),
             [&](Recordset& rs) {
                 if (rs.RecordCount() > 0)
                     name = rs.Value(QStringLiteral("unitname")).toString().trimmed();
             });
    return name;
}

} // namespace TallixLookup
