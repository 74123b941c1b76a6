#pragma once

#include <QHash>
#include <QString>

// The in-process stand-in for registering an ODBC data source: a name with its driver and
// attributes ("SourceType=DBC", "Exclusive=No", "SourceDB=..."), separated by carriage returns.
class DataSourceRegistry
{
public:
    struct Entry
    {
        QString Driver;
        QString Attributes;
    };

    static void Register(const QString& name, const QString& driver, bool silent, const QString& attributes);
    static bool Contains(const QString& name);
    static Entry Lookup(const QString& name);
    // The value of one attribute ("SourceDB") of a registered source, empty when absent.
    static QString Attribute(const QString& name, const QString& key);
    static void Clear();

private:
    static QHash<QString, Entry>& Entries();
};
