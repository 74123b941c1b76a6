#pragma once

#include <QString>
#include <QStringList>

class DbConnection;

// The table definitions of both databases and the dictionary rows of the own database,
// as SQL scripts compiled into the program.
namespace Schema {

QString OwnDatabaseScript();   // tables of the own database
QString OwnDictionaryScript(); // rows of dic_tablename, dic_fields, dic_ttallix
QString SourceDatabaseScript(); // tables and indexes of the source database

// Splits a script into statements at semicolons outside quotes; comments are dropped.
QStringList Statements(const QString& script);

// Runs every statement of a script on an open connection.
void Run(DbConnection& connection, const QString& script);

// Creates an empty database file (replacing any file of that name) and runs the scripts.
void CreateDatabase(const QString& path, const QStringList& scripts);

} // namespace Schema
