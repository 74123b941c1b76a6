#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The collection system's database container (stat.dbc, itself such a table with its memo
// stat.dct): which tables it holds and the long names of their fields, in field order.
class DatabaseContainer
{
public:
    DatabaseContainer() = default;
    DatabaseContainer(const QString& path, const QString& fallbackCharset);

    bool IsEmpty() const { return fields_.isEmpty(); }
    bool HasTable(const QString& table) const { return fields_.contains(table.toLower()); }
    // The long field names of a table (any letter case), in order; empty for an unknown table.
    QStringList Fields(const QString& table) const { return fields_.value(table.toLower()); }

private:
    QHash<QString, QStringList> fields_; // table name in lower case -> long field names
};
