#include "DatabaseHealth.h"

#include "DatabaseError.h"
#include "DbConnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The engine's primary result codes that mean the file itself is bad.
constexpr int Corrupt = 11;
constexpr int NotADatabase = 26;

bool Damaged(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == Corrupt || code == NotADatabase);
}

QStringList Columns(const QSqlDatabase& db, const QString& table)
{
    QStringList names;
    QSqlQuery info(db);
    if (info.exec(QStringLiteral("PRAGMA table_info(") + table + QLatin1Char(')')))
        while (info.next())
            names << info.value(1).toString().toLower();
    return names;
}

bool Holds(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery find(db);
    find.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    find.addBindValue(table);
    return !find.exec() || find.next(); // an unreadable catalogue counts as holding it: the read says why
}

} // namespace

DatabaseHealth::State DatabaseHealth::Check(const QString& path, QString* detail)
{
    DbConnection connection;
    try {
        connection.Open(path);
    } catch (const DatabaseError& e) {
        if (detail)
            *detail = e.Message();
        return State::Unknown;
    }
    QSqlQuery check(connection.Database());
    if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (detail)
            *detail = check.lastError().databaseText();
        return Damaged(check.lastError()) ? State::Malformed : State::Unknown;
    }
    QStringList findings;
    while (check.next())
        findings << check.value(0).toString();
    if (check.lastError().isValid() && Damaged(check.lastError()))
        findings << check.lastError().databaseText();
    if (findings == QStringList{QStringLiteral("ok")})
        return State::Sound;
    if (detail)
        *detail = findings.join(QLatin1Char('\n'));
    return State::Malformed;
}

DatabaseHealth::Carried DatabaseHealth::CarryRows(const QString& from, const QString& to,
                                                  const QStringList& tables)
{
    Carried carried;
    DbConnection source;
    DbConnection target;
    try {
        source.Mode = ConnectMode::Read;
        source.Open(from);
        target.Open(to);
    } catch (const DatabaseError& e) {
        carried.Problems << e.Message();
        return carried;
    }
    const QSqlDatabase in = source.Database();
    QSqlDatabase out = target.Database();
    for (const QString& table : tables) {
        if (!Holds(in, table))
            continue; // written by a version that did not have it: nothing saved there
        const QStringList wanted = Columns(out, table);
        QStringList columns;
        for (const QString& name : Columns(in, table))
            if (wanted.contains(name))
                columns << name;
        if (columns.isEmpty()) {
            carried.Problems << table + QStringLiteral("：无法读出");
            continue;
        }
        QSqlQuery read(in);
        read.setForwardOnly(true);
        QSqlQuery write(out);
        write.prepare(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (\"") +
                      columns.join(QStringLiteral("\", \"")) + QStringLiteral("\") VALUES (") +
                      QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")) +
                      QLatin1Char(')'));
        out.transaction();
        bool whole = read.exec(QStringLiteral("SELECT \"") + columns.join(QStringLiteral("\", \"")) +
                               QStringLiteral("\" FROM ") + table);
        while (whole && read.next()) {
            for (int i = 0; i < columns.size(); ++i)
                write.bindValue(i, read.value(i));
            if (!write.exec()) {
                whole = false;
                break;
            }
            ++carried.Rows;
        }
        if (read.lastError().isValid())
            whole = false;
        out.commit();
        if (!whole)
            carried.Problems << table + QStringLiteral("：") +
                                    (read.lastError().isValid() ? read.lastError().databaseText()
                                                                : write.lastError().databaseText());
    }
    return carried;
}
