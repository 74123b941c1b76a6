#pragma once

#include "XbaseTable.h"

#include <QString>
#include <QStringList>
#include <vector>

// The full name of each field of a table: a table of a container keeps only the first ten
// characters of a name, the container the whole of it. One name per field of the table
// (empty for _NullFlags); a field that cannot be named for certain is an error naming the
// table and the field, never a silent shift of columns.
namespace FieldNames {

// The i-th field of the table takes the long name of the i-th field the container lists for it.
QStringList FromContainer(const QString& table, const std::vector<XbaseField>& fields, const QStringList& longNames);

// A free table: a short name becomes the one column of the schema whose first ten characters
// it is; a name that no column has stays as it is.
QStringList ForFreeTable(const QString& table, const std::vector<XbaseField>& fields, const QStringList& columns);

} // namespace FieldNames
