#include "TempAppFolder.h"

#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "Schema.h"

#include <QFile>

namespace {

void RunScript(const QString& path, const QString& sql)
{
    DbConnection connection;
    connection.Open(path);
    connection.Execute(QStringLiteral("BEGIN"));
    Schema::Run(connection, sql);
    connection.Execute(QStringLiteral("COMMIT"));
}


} // namespace

TempAppFolder::TempAppFolder(Content content) : previousFolder_(Connection::AppFolder())
{
    Connection::SetAppFolder(dir_.path());
    if (content == Content::Databases) {
        Schema::CreateDatabase(OwnDatabase(), {Schema::OwnDatabaseScript(), Schema::OwnDictionaryScript()});
        Schema::CreateDatabase(SourceDatabase(), {Schema::SourceDatabaseScript()});
    }
}

TempAppFolder::~TempAppFolder()
{
    Connection::CloseAll();
    DbConnection::ReleasePooled(dir_.path());
    Connection::SetAppFolder(previousFolder_);
}

QString TempAppFolder::OwnDatabase() const
{
    return dir_.path() + QLatin1String(Connection::OwnDatabasePath);
}

QString TempAppFolder::SourceDatabase() const
{
    return dir_.path() + QLatin1String(Connection::SourceDatabasePath);
}

void TempAppFolder::Source(const QString& sql) const { RunScript(SourceDatabase(), sql); }
void TempAppFolder::Own(const QString& sql) const { RunScript(OwnDatabase(), sql); }
void TempAppFolder::RefuseOwnInserts(const QString& table, const QString& condition) const
{
    DbConnection connection;
    connection.Open(OwnDatabase());
    // One statement: the trigger's body holds a ";" that a script would split at.
    connection.Execute(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 WHEN %2 "
                                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                           .arg(table, condition));
}

QStringList TempAppFolder::OwnRows(const QString& sql) const { return QueryRows(OwnDatabase(), sql); }
QStringList TempAppFolder::SourceRows(const QString& sql) const { return QueryRows(SourceDatabase(), sql); }

QStringList QueryRows(const QString& path, const QString& sql)
{
    DbConnection connection;
    connection.Open(path);
    Recordset rs;
    rs.Open(sql, connection);
    QStringList rows;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const QVariant v = rs.Value(i);
            fields << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        rows << fields.join(QLatin1Char('\t'));
    }
    return rows;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ReadTestFile(const QString& relative, bool* exists)
{
    QFile file(QStringLiteral(ORVANE_TESTS_DIR "/") + relative);
    const bool ok = file.open(QIODevice::ReadOnly);
    if (exists)
        *exists = ok;
    return ok ? QString::fromUtf8(file.readAll()) : QString();
}
