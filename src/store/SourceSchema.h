#pragma once

#include "DatabaseError.h"

#include <QString>
#include <QStringList>

// What the source database's own schema says about its tables, for telling the user which
// table lacks a column the reports read.
namespace SourceSchema {

// The table of the source schema, among the candidates, that defines the column (any case);
// the first candidate when none does.
QString TableOf(const QString& column, const QStringList& candidates);

// The error of a source whose table lacks a column the reports read.
DatabaseError MissingColumn(const QString& column, const QStringList& candidates, const QString& statement);

// The engine's "no such column" told as MissingColumn, naming the table from the qualified
// name or from the source tables the statement reads; any other error as it is.
DatabaseError Explained(const DatabaseError& error);

} // namespace SourceSchema
