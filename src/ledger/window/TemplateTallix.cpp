#include "TemplateTallix.h"

#include "Connection.h"
#include "SavedSets.h"
#include "SqlText.h"

#include <functional>

namespace Template {

namespace {

// Runs the work on the working set and closes it again, also when the work fails.
void OnWorkingSet(const std::function<void()>& work)
{
    Connection::OpenTallixConnection();
    try {
        work();
    } catch (...) {
        Connection::CloseTallixConnection();
        throw;
    }
    Connection::CloseTallixConnection();
}

using SavedSets::Execute;
using SavedSets::Query;

QString Text(const Recordset& rs, const QString& field)
{
    return rs.Value(field).toString().trimmed();
}

// "'a','b',...": each value trimmed and quoted.
QString Values(const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << SqlText::Quoted(value.trimmed());
    return quoted.join(QLatin1Char(','));
}

QString Insert(const QString& columns, const QStringList& values)
{
    return QStringLiteral(" INSERT") + QStringLiteral(" ") + columns + QStringLiteral(" ") +
           QStringLiteral("VALUES(") + Values(values) + QStringLiteral(")");
}

QString WhereCondition(const QString& name, const QString& marker)
{
    return QStringLiteral("WHERE condition=") + QStringLiteral("'") + SqlText::Escape(name + marker) +
           QStringLiteral("'");
}

QList<TallixRowRecord> ReadRows(const QString& name, const QString& marker)
{
    QList<TallixRowRecord> rows;
    Recordset& rs = Query(QStringLiteral("SELECT Code,Item FROM Aca ") + WhereCondition(name, marker));
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        rows.append({Text(rs, QStringLiteral("code")), Text(rs, QStringLiteral("item"))});
    return rows;
}

} // namespace

QStringList ListTallixConfigurations()
{
    QStringList names;
    OnWorkingSet([&] {
        Recordset& rs = Query(QStringLiteral("SELECT DISTINCT Condition FROM Aca") + QStringLiteral(" ") +
                              QStringLiteral("WHERE shu IS NOT NULL"));
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
            names << Text(rs, QStringLiteral("Condition"));
    });
    return names;
}

bool TallixConfigurationExists(const QString& name)
{
    bool found = false;
    OnWorkingSet([&] {
        // An exact comparison: a "_" or "%" in a name is part of the name.
        found = Query(QStringLiteral("SELECT Condition FROM aca WHERE Condition=") + SqlText::Quoted(name))
                    .RecordCount() > 0;
    });
    return found;
}

QStringList TallixConfigurationInserts(const QString& name, const TallixConfiguration& configuration)
{
    QStringList statements;
    for (const TallixItemRecord& item : configuration.Items)
        statements << Insert(
            QStringLiteral("INTO Aca(item,\"table\",dictable,fieldname,tablename,condition)"),
            {item.Item, item.Table, item.Dictable, item.FieldName, item.TableName,
             name + QStringLiteral("!")});
    for (const TallixItemRecord& item : configuration.Items)
        statements << Insert(QStringLiteral("INTO Aca(item,\"table\",dictable,condition)"),
                             {item.Item, item.Table, item.Dictable, name + QStringLiteral("*")});
    for (const TallixRowRecord& region : configuration.Regions)
        statements << Insert(QStringLiteral("INTO Aca(code,item,condition)"),
                             {region.Code, region.Item, name + QStringLiteral("@")});
    for (const TallixRowRecord& enterprise : configuration.Enterprises)
        statements << Insert(QStringLiteral("INTO Aca(code,item,condition)"),
                             {enterprise.Code, enterprise.Item, name + QStringLiteral("#")});
    if (const auto& s = configuration.Settings)
        statements << Insert(
            QStringLiteral("INTO Aca(year,month,classifaca,\"in\",\"out\",shu,\"group\",condition)"),
            {s->Year, s->Month, s->Classifaca, s->In, s->Out, s->Shu, s->Group, name});
    return statements;
}

void InsertTallixConfiguration(const QString& name, const TallixConfiguration& configuration)
{
    const QStringList statements = TallixConfigurationInserts(name, configuration);
    OnWorkingSet([&] {
        SavedSets::Write([&] {
            for (const QString& sql : statements)
                Execute(sql);
        });
    });
}

TallixConfiguration ReadTallixConfiguration(const QString& name)
{
    TallixConfiguration configuration;
    OnWorkingSet([&] {
        Recordset& count =
            Query(QStringLiteral("select count(*) from aca where condition=") + QStringLiteral("'") +
                  SqlText::Escape(name + QStringLiteral("!")) + QStringLiteral("'"));
        count.MoveFirst();
        const int itemCount = count.Value(0).toInt();

        Recordset& items =
            Query(QStringLiteral("SELECT Item,\"table\",dictable,fieldname,tablename FROM Aca ") +
                  WhereCondition(name, QStringLiteral("!")));
        for (items.MoveFirst(); !items.IsEOF() && configuration.Items.size() < itemCount; items.MoveNext())
            configuration.Items.append(
                {Text(items, QStringLiteral("item")), Text(items, QStringLiteral("table")),
                 Text(items, QStringLiteral("dictable")), Text(items, QStringLiteral("fieldname")),
                 Text(items, QStringLiteral("tablename"))});

        configuration.Regions = ReadRows(name, QStringLiteral("@"));
        configuration.Enterprises = ReadRows(name, QStringLiteral("#"));

        Recordset& main = Query(QStringLiteral("SELECT * FROM Aca ") + WhereCondition(name, QString()));
        if (main.RecordCount() > 0) {
            main.MoveFirst();
            configuration.Settings =
                TallixSettings{Text(main, QStringLiteral("year")),       Text(main, QStringLiteral("month")),
                               Text(main, QStringLiteral("classifaca")), Text(main, QStringLiteral("in")),
                               Text(main, QStringLiteral("out")),        Text(main, QStringLiteral("shu")),
                               Text(main, QStringLiteral("group"))};
        }
    });
    return configuration;
}

QString DeleteTallixConfigurationSql(const QString& name)
{
    const auto term = [&](const QString& marker) {
        return QStringLiteral("condition= ") + QStringLiteral("'") + SqlText::Escape(name + marker) +
               QStringLiteral("'");
    };
    return QStringLiteral("DELETE ") + QStringLiteral(" ") + QStringLiteral("FROM Aca") +
           QStringLiteral(" ") + QStringLiteral("WHERE ") + term(QStringLiteral("!")) +
           QStringLiteral("or ") + term(QStringLiteral("@")) + QStringLiteral("or ") +
           term(QStringLiteral("#")) + QStringLiteral("or ") + term(QString()) +
           // the twin rows of the columns go with the rest
           QStringLiteral("or ") + term(QStringLiteral("*"));
}

void DeleteTallixConfiguration(const QString& name)
{
    const QString sql = DeleteTallixConfigurationSql(name);
    OnWorkingSet([&] { Execute(sql); });
}

} // namespace Template
