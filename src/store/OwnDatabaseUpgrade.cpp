#include "OwnDatabaseUpgrade.h"

#include "DatabaseError.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "Schema.h"
#include "SqlText.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

void AddMissing(const QString& databasePath, QStringList& added)
{
    static const QRegularExpression created(QStringLiteral(R"re(^CREATE\s+(TABLE|INDEX)\s+"?(\w+)"?)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    DbConnection connection;
    connection.Open(databasePath);
    for (const QString& statement : Schema::Statements(Schema::OwnDatabaseScript())) {
        const auto match = created.match(statement);
        if (!match.hasMatch())
            continue;
        Recordset present;
        present.Open(QStringLiteral("select name from sqlite_master where type = ") +
                         SqlText::Quoted(match.captured(1).toLower()) + QStringLiteral(" and name = ") +
                         SqlText::Quoted(match.captured(2)) + QStringLiteral(" collate nocase"),
                     connection);
        if (present.RecordCount() > 0)
            continue;
        connection.Execute(statement);
        added << match.captured(2);
    }
    connection.Close();
}

} // namespace

namespace OwnDatabaseUpgrade {

QStringList Apply(const QString& databasePath)
{
    QStringList added;
    if (!QFileInfo(databasePath).isFile())
        return added;
    try {
        AddMissing(databasePath, added);
    } catch (const DatabaseError&) {
        // left for the start-up checks and the statement that needs the table to report
    }
    return added;
}

} // namespace OwnDatabaseUpgrade
