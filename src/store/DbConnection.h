#pragma once

#include "ConnectMode.h"

#include <QSqlDatabase>
#include <QString>

class Recordset;

// A connection to one database container. Open() takes a connection string (the path is
// its "SourceDB=" part); the engine connection behind it is kept in a per-thread pool, so
// opening and closing around every statement is cheap. Every statement commits at once.
class DbConnection
{
public:
    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    ConnectMode Mode = ConnectMode::ReadWrite;
    // The own database runs with a write-ahead log, so that committing every statement
    // on its own stays cheap.
    bool WriteAheadLog = false;

    void Open(const QString& connectionString);
    void Close();
    bool IsOpen() const { return open_; }
    const QString& Path() const { return path_; }

    // Executes one statement and discards any result.
    void Execute(const QString& sql);

    // The engine's database; only valid while open.
    QSqlDatabase Database() const;

    // The database path named by a connection string ("SourceDB=...;").
    static QString PathOf(const QString& connectionString);

    // Ends every pooled engine connection to files below this folder (before it is
    // deleted or moved), or all of them with an empty folder.
    static void ReleasePooled(const QString& folder = QString());

private:
    QString path_;
    QString name_;
    bool open_ = false;
};
