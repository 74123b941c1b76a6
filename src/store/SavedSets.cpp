#include "SavedSets.h"

#include "Connection.h"
#include "DatabaseError.h"

namespace SavedSets {

void Execute(const QString& sql)
{
    Connection::TallixCmd->CommandText = sql;
    Connection::TallixCmd->Execute();
}

Recordset& Query(const QString& sql)
{
    Connection::TallixCmd->CommandText = sql;
    Connection::TallixRs->Open(*Connection::TallixCmd);
    return *Connection::TallixRs;
}

int Count(const QString& sql)
{
    Recordset& rs = Query(sql);
    if (rs.RecordCount() == 0)
        return 0;
    rs.MoveFirst();
    return rs.IsEOF() ? 0 : rs.Value(0).toInt();
}

void Write(const std::function<void()>& statements)
{
    DbConnection& connection = *Connection::TallixConn;
    connection.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        statements();
        connection.Execute(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            connection.Execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError&) {
            // The first failure is the one worth reporting.
        }
        throw;
    }
}

} // namespace SavedSets
