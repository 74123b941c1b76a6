#include "DataSourceRegistry.h"

#include <QStringList>

QHash<QString, DataSourceRegistry::Entry>& DataSourceRegistry::Entries()
{
    static QHash<QString, Entry> entries;
    return entries;
}

void DataSourceRegistry::Register(const QString& name, const QString& driver, bool /*silent*/,
                                  const QString& attributes)
{
    Entries().insert(name.toLower(), Entry{driver, attributes});
}

bool DataSourceRegistry::Contains(const QString& name)
{
    return Entries().contains(name.toLower());
}

DataSourceRegistry::Entry DataSourceRegistry::Lookup(const QString& name)
{
    return Entries().value(name.toLower());
}

QString DataSourceRegistry::Attribute(const QString& name, const QString& key)
{
    const QStringList parts = Lookup(name).Attributes.split(QLatin1Char('\r'));
    const QString prefix = key + QLatin1Char('=');
    for (const QString& part : parts)
        if (part.startsWith(prefix, Qt::CaseInsensitive))
            return part.mid(prefix.size());
    return QString();
}

void DataSourceRegistry::Clear()
{
    Entries().clear();
}
