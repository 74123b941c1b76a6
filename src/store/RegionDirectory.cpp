#include "RegionDirectory.h"

#include "Connection.h"
#include "RegionCode.h"
#include "SqlText.h"

#include <functional>

namespace RegionDirectory {

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

std::optional<QString> CodeOf(const QString& key)
{
    const auto number = RegionCode::ParseKey(key);
    if (!number)
        return std::nullopt;
    return QString::number(RegionCode::Normalise(*number));
}

std::optional<QString> Name(const QString& code)
{
    std::optional<QString> name;
    OnSource(QStringLiteral("SELECT Areaname FROM Area WHERE Areacode='") + SqlText::Escape(code) +
                 QStringLiteral("'"),
             [&](Recordset& rs) {
                 if (rs.RecordCount() > 0)
                     name = rs.Value(0).toString().trimmed();
             });
    return name;
}

QList<Entry> EnterprisesOf(const QString& code, const QString& unitClause)
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

std::optional<QString> EnterpriseName(const QString& code)
{
    std::optional<QString> name;
    OnSource(QStringLiteral("SELECT Unitname FROM Base01 WHERE Code='") + SqlText::Escape(code.trimmed()) +
                 QStringLiteral("'"),
             [&](Recordset& rs) {
                 if (rs.RecordCount() > 0)
                     name = rs.Value(0).toString().trimmed();
             });
    return name;
}

} // namespace RegionDirectory
