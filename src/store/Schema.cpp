#include "Schema.h"

#include "DatabaseError.h"
#include "DbConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Resource(const QString& name)
{
    QFile file(QStringLiteral(":/orvane/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QString(), QStringLiteral("缺少内置脚本 ") + name);
    return QString::fromUtf8(file.readAll());
}

} // namespace

namespace Schema {

QString OwnDatabaseScript() { return Resource(QStringLiteral("tallix_schema.sql")); }
QString OwnDictionaryScript() { return Resource(QStringLiteral("tallix_dictionary.sql")); }
QString SourceDatabaseScript() { return Resource(QStringLiteral("stat_schema.sql")); }

QStringList Statements(const QString& script)
{
    QStringList statements;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!quoted && c == QLatin1Char('-') && i + 1 < script.size() && script[i + 1] == QLatin1Char('-')) {
            while (i < script.size() && script[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void Run(DbConnection& connection, const QString& script)
{
    for (const QString& statement : Statements(script))
        connection.Execute(statement);
}

void CreateDatabase(const QString& path, const QStringList& scripts)
{
    DbConnection::ReleasePooled(QFileInfo(path).absolutePath());
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) // an empty file is an empty database
        throw DatabaseError(QString(), QStringLiteral("无法创建数据库文件 ") + path);
    file.close();
    DbConnection connection;
    connection.Open(path);
    connection.Execute(QStringLiteral("BEGIN"));
    try {
        for (const QString& script : scripts)
            Run(connection, script);
        connection.Execute(QStringLiteral("COMMIT"));
    } catch (...) {
        connection.Execute(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace Schema
